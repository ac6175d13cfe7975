// The gear chart as the window configures it: layout figures, list order and the frame.
#include <gtest/gtest.h>

#include <QImage>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/chart1config.h"
#include "chart/colors.h"
#include "chart/component.h"
#include "chart/fastline.h"
#include "chart/shape.h"
#include "chart_test_support.h"

namespace {

class GearChart : public ::testing::Test {
  protected:
    GearChart() { ConfigureGearChart(chart, form, &series); }
    // A gear line through the origin and its silver full-range twin.
    void FillGear(int gear, double speedAt1000) {
        for (int rpm = 0; rpm <= 10; ++rpm) {
            series[static_cast<size_t>(gear)]->AddPointXY(speedAt1000 * rpm, rpm * 1000.0);
            series[static_cast<size_t>(gear + 6)]->AddPointXY(speedAt1000 * rpm, rpm * 1000.0);
        }
    }
    TComponent form;
    TChart chart;
    std::array<TChartSeries*, 13> series{};
};

TEST_F(GearChart, SeriesInListOrderWithTheirSettings) {
    ASSERT_EQ(chart.CountSeries(), 13);
    EXPECT_EQ(chart.SeriesAt(0)->Name(), "Series13");
    EXPECT_EQ(chart.SeriesAt(7)->Name(), "Series8");
    EXPECT_EQ(chart.SeriesAt(8)->Name(), "Series7");
    auto* band = dynamic_cast<TChartShape*>(chart.SeriesAt(0));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->SeriesColor(), clWhite);
    EXPECT_EQ(band->Brush()->Color(), 11187711);  // kept after SeriesColor was set first
    EXPECT_DOUBLE_EQ(band->X1(), 21.875);
    auto* first = dynamic_cast<TFastLineSeries*>(chart.SeriesAt(1));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->SeriesColor(), 0xFF5955);
    EXPECT_EQ(first->LinePen()->Width(), 3);
    EXPECT_FALSE(chart.IsLoading());
    EXPECT_FALSE(chart.BottomAxis()->AutomaticMinimum());
    EXPECT_TRUE(chart.BottomAxis()->AutomaticMaximum());
}

TEST_F(GearChart, PanelAndAxesAsTheWindowConfiguresThem) {
    EXPECT_EQ(chart.width(), 477);
    EXPECT_EQ(chart.height(), 276);
    EXPECT_EQ(chart.Color(), clWhite);
    EXPECT_EQ(chart.BevelOuter(), bvNone);
    EXPECT_EQ(chart.BevelInner(), bvNone);
    EXPECT_EQ(chart.BorderWidth(), 3);
    EXPECT_EQ(chart.BorderStyle(), bsSingle);
    EXPECT_EQ(chart.MarginLeft() + chart.MarginTop() + chart.MarginRight() + chart.MarginBottom(), 8);
    EXPECT_FALSE(chart.View3D());
    EXPECT_FALSE(chart.View3DWalls());
    EXPECT_FALSE(chart.Title()->Visible());
    EXPECT_EQ(chart.Title()->Text(), std::vector<std::string>{"TChart"});
    EXPECT_FALSE(chart.Legend()->Visible());
    EXPECT_FALSE(chart.AllowZoom());
    EXPECT_EQ(chart.AllowPanning(), pmNone);
    EXPECT_EQ(chart.BackWall()->Color(), clDefault);
    EXPECT_EQ(chart.BackWall()->Brush()->Style(), bsClear);
    EXPECT_EQ(chart.BackWall()->Brush()->Color(), clWhite);
    const std::pair<TChartAxis*, const char*> axes[] = {{chart.BottomAxis(), "km/h"},
                                                        {chart.LeftAxis(), "RPM"}};
    for (const auto& [axis, title] : axes) {
        EXPECT_EQ(axis->Title()->Caption(), title);
        EXPECT_FALSE(axis->Automatic());
        EXPECT_FALSE(axis->ExactDateTime());
        EXPECT_EQ(axis->Grid()->Color(), clSilver);
        EXPECT_EQ(axis->Axis()->Width(), 1);
        for (const TFont* font : {axis->LabelsFont(), axis->Title()->Font()}) {
            EXPECT_EQ(font->Name(), "ＭＳ ゴシック");
            EXPECT_EQ(font->Height(), -12);
            EXPECT_EQ(font->Color(), clBlack);
        }
    }
    EXPECT_EQ(chart.BottomAxis()->Increment(), 5);
    EXPECT_EQ(chart.LeftAxis()->Increment(), 1000);
    for (int i = 0; i < 13; ++i) {
        const TChartSeries* s = chart.SeriesAt(i);
        EXPECT_FALSE(s->Marks()->Visible()) << i;
        EXPECT_EQ(s->XValues()->Order(), loAscending) << i;
        EXPECT_EQ(s->YValues()->Order(), loNone) << i;
        EXPECT_EQ(s->ShowInLegend(), i >= 1 && i <= 6) << i;
    }
    auto* band = dynamic_cast<TChartShape*>(chart.SeriesAt(0));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->Style(), chasRectangle);
    EXPECT_EQ(band->XYStyle(), xysAxis);
    EXPECT_EQ(band->Brush()->Style(), bsDiagCross);
    EXPECT_FALSE(band->Pen()->Visible());
    EXPECT_FALSE(band->Transparent());
    EXPECT_TRUE(band->Text().empty());
}

TEST_F(GearChart, BufferIsTheClientAreaInsideTheSunkenEdge) {
    for (int gear = 1; gear <= 6; ++gear) FillGear(gear, 12.0 + 6 * gear);
    const QImage image = chart.RenderToImage();
    EXPECT_EQ(image.width(), 473);
    EXPECT_EQ(image.height(), 272);
    EXPECT_EQ(chart.PanelBounds(), (TRect{0, 0, 473, 272}));
    EXPECT_EQ(chart.LastImage().size(), image.size());
    if (qEnvironmentVariableIsSet("KESTRIGO_SAVE_CHART"))
        image.save(qEnvironmentVariable("KESTRIGO_SAVE_CHART"));
}

TEST_F(GearChart, WithoutAxesThePlotRectKeepsBorderAndPercentMargins) {
    chart.SetAxisVisible(false);
    chart.RenderToImage();
    // 3 + MulDiv(2, 473, 100) = 12 and 3 + MulDiv(2, 272, 100) = 8.
    EXPECT_EQ(chart.PlotRect(), (TRect{12, 8, 461, 264}));
}

TEST_F(GearChart, AxesTakeBandsLeftAndBelowOnly) {
    FillGear(1, 12.0);
    chart.RenderToImage();
    const TRect r = chart.PlotRect();
    EXPECT_GT(r.Left, 12);
    EXPECT_LT(r.Bottom, 264);
    EXPECT_EQ(r.Top, 8);
    EXPECT_EQ(r.Right, 461);
}

TEST_F(GearChart, FrameCoversAllFourEdgesOfThePlotRect) {
    FillGear(1, 12.0);
    const QImage image = chart.RenderToImage();
    const TRect r = chart.PlotRect();
    const int midX = r.Left + 3;
    const int midY = r.Top + 3;
    EXPECT_EQ(image.pixel(r.Right, midY), Rgb(clBlack));
    EXPECT_EQ(image.pixel(midX, r.Bottom), Rgb(clBlack));
    EXPECT_EQ(image.pixel(r.Left, midY), Rgb(clBlack));
    EXPECT_EQ(image.pixel(midX, r.Top), Rgb(clBlack));
    EXPECT_EQ(image.pixel(r.Right + 1, midY), Rgb(clWhite));
}

TEST_F(GearChart, PowerBandLiesUnderTheLinesAndSilverOverColour) {
    // Gear 1 coloured up to 5000 rpm, its silver line over the full range: where both run, silver wins.
    for (int rpm = 0; rpm <= 10; ++rpm) series[7]->AddPointXY(10.0 * rpm, rpm * 1000.0);
    for (int rpm = 0; rpm <= 5; ++rpm) series[1]->AddPointXY(10.0 * rpm, rpm * 1000.0);
    const QImage image = chart.RenderToImage();
    const TCustomChartAxis* bottom = chart.BottomAxis();
    const TCustomChartAxis* left = chart.LeftAxis();
    const int x = bottom->PixelOf(30.0);
    const int y = left->PixelOf(3000.0);
    EXPECT_EQ(image.pixel(x, y), Rgb(clSilver));
    // One pixel beside the thin silver line the thick coloured line shows.
    bool coloured = image.pixel(x + 1, y) == Rgb(0xFF5955) || image.pixel(x - 1, y) == Rgb(0xFF5955);
    EXPECT_TRUE(coloured);
    // Inside the power band but away from lines: hatch in the band colour or untouched white.
    int hatch = 0;
    const int bx = bottom->PixelOf(15.0);
    const int by = left->PixelOf(600.0);
    for (int dx = 0; dx < 8; ++dx) {
        const QRgb p = image.pixel(bx + dx, by);
        if (p == Rgb(11187711))
            ++hatch;
        else
            EXPECT_EQ(p, Rgb(clWhite));
    }
    EXPECT_GE(hatch, 1);
}

TEST_F(GearChart, SeriesStayInsideTheClip) {
    // A line far beyond the axis range is cut at the plot rectangle: nothing on the frame lines.
    FillGear(1, 12.0);
    chart.BottomAxis()->SetAutomaticMaximum(false);
    chart.BottomAxis()->SetMaximum(40);
    const QImage image = chart.RenderToImage();
    const TRect r = chart.PlotRect();
    // (Grid lines may cover the frame; the series never does.)
    int seen = 0;
    for (int y = r.Top; y <= r.Bottom; ++y) {
        EXPECT_NE(image.pixel(r.Right, y), Rgb(0xFF5955)) << y;
        seen += image.pixel(r.Right - 1, y) != Rgb(clWhite);
    }
    for (int x = r.Left; x <= r.Right; ++x) EXPECT_NE(image.pixel(x, r.Top), Rgb(0xFF5955)) << x;
    EXPECT_GT(seen, 0);  // the line does reach the last column inside
    // The row above the bottom frame line stays free of series too.
    for (int x = r.Left + 1; x < r.Right; ++x) EXPECT_NE(image.pixel(x, r.Bottom - 1), Rgb(0xFF5955)) << x;
}

}  // namespace
