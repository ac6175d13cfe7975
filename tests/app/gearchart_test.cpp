// The gear chart as the window configures it, judged by what it paints: lines, band, layout, frame.
#include "app/gearchart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWheelEvent>
#include <set>
#include <utility>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/colors.h"
#include "chart/component.h"
#include "chart/fastline.h"
#include "chart/shape.h"
#include "core/seriesroles.h"
#include "tests/chart/chart_test_support.h"

namespace {

class GearChart : public ::testing::Test {
  protected:
    GearChart() { ConfigureGearChart(chart, form, &series); }
    // A gear line through the origin and its silver full-range twin.
    void FillGear(int gear, double speedAt1000) {
        for (int rpm = 0; rpm <= 10; ++rpm) {
            series[static_cast<size_t>(kgr::GearLineIndex(gear))]->AddPointXY(speedAt1000 * rpm,
                                                                              rpm * 1000.0);
            series[static_cast<size_t>(kgr::WholeRangeLineIndex(gear))]->AddPointXY(speedAt1000 * rpm,
                                                                                    rpm * 1000.0);
        }
    }
    TComponent form;
    TChart chart;
    std::array<TChartSeries*, kgr::ChartSeriesCount> series{};
};

// The run of non-white pixels on row y around column x: its width and its middle colour.
std::pair<int, QRgb> RunAt(const QImage& image, int x, int y) {
    const QRgb white = Rgb(clWhite);
    while (x > 0 && image.pixel(x - 1, y) != white) --x;
    int right = x;
    while (right + 1 < image.width() && image.pixel(right + 1, y) != white) ++right;
    return {right - x + 1, image.pixel((x + right) / 2, y)};
}

TEST_F(GearChart, GearLinesPaintThickInDistinctColoursAndWholeRangeLinesThinSilver) {
    std::set<QRgb> gearColours;
    for (int gear = 1; gear <= kgr::GearCount; ++gear) {
        for (int index : {kgr::GearLineIndex(gear), kgr::WholeRangeLineIndex(gear)}) {
            for (TChartSeries* s : series) s->ClearPoints();
            // Up the middle of the plot off the grid, then along the top to set the axis maximum.
            series[static_cast<size_t>(index)]->AddPointXY(52, 0);
            series[static_cast<size_t>(index)]->AddPointXY(52, 10000);
            series[static_cast<size_t>(index)]->AddPointXY(100, 10000);
            const QImage image = chart.RenderToImage();
            const auto [width, colour] =
                RunAt(image, chart.BottomAxis()->PixelOf(52.0), chart.LeftAxis()->PixelOf(2500.0));
            if (index == kgr::GearLineIndex(gear)) {
                EXPECT_EQ(width, 3) << gear;
                EXPECT_NE(colour, Rgb(clSilver)) << gear;
                EXPECT_NE(colour, Rgb(clBlack)) << gear;
                gearColours.insert(colour);
            } else {
                EXPECT_EQ(width, 1) << gear;
                EXPECT_EQ(colour, Rgb(clSilver)) << gear;
            }
        }
    }
    EXPECT_EQ(gearColours.size(), static_cast<size_t>(kgr::GearCount));
}

TEST_F(GearChart, NothingButThePlotAboveAndRightOfIt) {
    // No chart title, no legend: above the plot rectangle and right of it the panel stays white (the
    // end labels of the axes may reach past its corners).
    for (int gear = 1; gear <= kgr::GearCount; ++gear) FillGear(gear, 12.0 + 6 * gear);
    const QImage image = chart.RenderToImage();
    const TRect r = chart.PlotRect();
    for (int y = 3; y < r.Top; ++y)
        for (int x = r.Left; x < image.width() - 3; ++x)
            ASSERT_EQ(image.pixel(x, y), Rgb(clWhite)) << x << "," << y;
    for (int x = r.Right + 1; x < image.width() - 3; ++x)
        for (int y = 3; y < r.Bottom; ++y) ASSERT_EQ(image.pixel(x, y), Rgb(clWhite)) << x << "," << y;
}

TEST_F(GearChart, AxisLabelsAndTitlesAreDarkTextInTheirBands) {
    FillGear(1, 12.0);
    const QImage image = chart.RenderToImage();
    const TRect r = chart.PlotRect();
    auto darkPixels = [&](int x0, int y0, int x1, int y1) {
        int dark = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) dark += qGray(image.pixel(x, y)) < 96;
        return dark;
    };
    EXPECT_GT(darkPixels(3, r.Top, r.Left - 2, r.Bottom), 100);                     // RPM labels and title
    EXPECT_GT(darkPixels(r.Left, r.Bottom + 2, r.Right, image.height() - 3), 100);  // km/h labels and title
}

TEST_F(GearChart, BufferIsTheClientAreaInsideTheSunkenEdge) {
    for (int gear = 1; gear <= kgr::GearCount; ++gear) FillGear(gear, 12.0 + 6 * gear);
    const QImage image = chart.RenderToImage();
    EXPECT_EQ(image.width(), 473);
    EXPECT_EQ(image.height(), 272);
    EXPECT_EQ(chart.PanelBounds(), (TRect{0, 0, 473, 272}));
    EXPECT_EQ(chart.LastImage().size(), image.size());
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
    TChartSeries* silver = series[static_cast<size_t>(kgr::WholeRangeLineIndex(1))];
    TChartSeries* gearLine = series[static_cast<size_t>(kgr::GearLineIndex(1))];
    const QRgb gearColour = Rgb(gearLine->SeriesColor());
    const QRgb bandColour = Rgb(dynamic_cast<TChartShape&>(*series[kgr::PowerBandIndex]).Brush()->Color());
    for (int rpm = 0; rpm <= 10; ++rpm) silver->AddPointXY(10.0 * rpm, rpm * 1000.0);
    for (int rpm = 0; rpm <= 5; ++rpm) gearLine->AddPointXY(10.0 * rpm, rpm * 1000.0);
    const QImage image = chart.RenderToImage();
    const TCustomChartAxis* bottom = chart.BottomAxis();
    const TCustomChartAxis* left = chart.LeftAxis();
    const int x = bottom->PixelOf(30.0);
    const int y = left->PixelOf(3000.0);
    EXPECT_EQ(image.pixel(x, y), Rgb(clSilver));
    // One pixel beside the thin silver line the thick coloured line shows.
    bool coloured = image.pixel(x + 1, y) == gearColour || image.pixel(x - 1, y) == gearColour;
    EXPECT_TRUE(coloured);
    // Inside the power band but away from lines: hatch in the band colour or untouched white.
    int hatch = 0;
    const int bx = bottom->PixelOf(15.0);
    const int by = left->PixelOf(600.0);
    for (int dx = 0; dx < 8; ++dx) {
        const QRgb p = image.pixel(bx + dx, by);
        if (p == bandColour)
            ++hatch;
        else
            EXPECT_EQ(p, Rgb(clWhite));
    }
    EXPECT_GE(hatch, 1);
}

TEST_F(GearChart, SeriesStayInsideTheClip) {
    // A line far beyond the axis range is cut at the plot rectangle: nothing on the frame lines.
    FillGear(1, 12.0);
    const QRgb gearColour = Rgb(series[static_cast<size_t>(kgr::GearLineIndex(1))]->SeriesColor());
    chart.BottomAxis()->SetAutomaticMaximum(false);
    chart.BottomAxis()->SetMaximum(40);
    const QImage image = chart.RenderToImage();
    const TRect r = chart.PlotRect();
    // (Grid lines may cover the frame; the series never does.)
    int seen = 0;
    for (int y = r.Top; y <= r.Bottom; ++y) {
        EXPECT_NE(image.pixel(r.Right, y), gearColour) << y;
        seen += image.pixel(r.Right - 1, y) != Rgb(clWhite);
    }
    for (int x = r.Left; x <= r.Right; ++x) EXPECT_NE(image.pixel(x, r.Top), gearColour) << x;
    EXPECT_GT(seen, 0);  // the line does reach the last column inside
    // The row above the bottom frame line stays free of series too.
    for (int x = r.Left + 1; x < r.Right; ++x) EXPECT_NE(image.pixel(x, r.Bottom - 1), gearColour) << x;
}

}  // namespace

namespace {

// Turns the wheel over the chart by `angle` (120 is one notch; finer wheels and touchpads send
// parts of one), then renders as a paint would; returns the left axis' scale.
std::pair<double, double> TurnWheel(TChart& chart, int angle) {
    const QPointF middle(chart.width() / 2.0, chart.height() / 2.0);
    QWheelEvent wheel(middle, chart.mapToGlobal(middle), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
    chart.RenderToImage();
    return {chart.LeftAxis()->Minimum(), chart.LeftAxis()->Maximum()};
}

TEST_F(GearChart, TheWheelMovesTheEngineSpeedScaleByThreePerCentPerNotch) {
    FillGear(1, 10);  // 0 ... 10000 rpm
    chart.RenderToImage();
    using Scale = std::pair<double, double>;
    EXPECT_EQ(TurnWheel(chart, -120), Scale(300, 10300));  // a notch down: the scale moves up
    EXPECT_EQ(TurnWheel(chart, -240), Scale(900, 10900));
    // Eighths of a notch move the scale once the notch is full, not once each.
    for (int eighth = 1; eighth < 8; ++eighth) EXPECT_EQ(TurnWheel(chart, -15), Scale(900, 10900)) << eighth;
    EXPECT_EQ(TurnWheel(chart, -15), Scale(1200, 11200));
    // Half a notch each way moves nothing; a turn back starts a notch afresh.
    EXPECT_EQ(TurnWheel(chart, 60), Scale(1200, 11200));
    EXPECT_EQ(TurnWheel(chart, -60), Scale(1200, 11200));
    EXPECT_EQ(TurnWheel(chart, 120), Scale(900, 10900));
    EXPECT_EQ(TurnWheel(chart, 0), Scale(900, 10900));  // a sideways turn
}

}  // namespace
