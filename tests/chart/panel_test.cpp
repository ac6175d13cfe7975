// The chart control's repaint requests, paint cycle rules and property checks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/errors.h"
#include "chart/fastline.h"
#include "tests/chart/chart_test_support.h"

namespace {

// Counts how often the paint cycle reaches it.
class CountingSeries : public TFastLineSeries {
  public:
    using TFastLineSeries::TFastLineSeries;
    void DrawValues() override {
        ++draws;
        TFastLineSeries::DrawValues();
    }
    int draws = 0;
};

class ShownChart : public ::testing::Test {
  protected:
    ShownChart() {
        chart.resize(300, 200);
        chart.SetView3D(false);
        series.AddPointXY(0, 0);
        series.AddPointXY(10, 10);
        series.SetParentChart(&chart);
        chart.show();
        Settle();
    }
    ~ShownChart() override { series.SetParentChart(nullptr); }
    static void Settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
    TChart chart;
    CountingSeries series;
};

TEST_F(ShownChart, ABurstOfRequestsGivesOnePaint) {
    const int before = chart.PaintCount();
    for (int i = 0; i < 50; ++i) series.AddPointXY(11 + i, i);
    chart.RequestRedraw();
    Settle();
    EXPECT_EQ(chart.PaintCount(), before + 1);
}

TEST_F(ShownChart, ACleanBufferIsCopiedWithoutDrawingSeries) {
    const int paints = chart.PaintCount();
    const int draws = series.draws;
    chart.repaint();
    Settle();
    EXPECT_EQ(chart.PaintCount(), paints);
    EXPECT_EQ(series.draws, draws);
    EXPECT_GT(chart.BufferCopyCount(), 0);
}

TEST_F(ShownChart, NoRequestsWhileRepaintIsDisabled) {
    chart.SetRepaintEnabled(false);
    const int paints = chart.PaintCount();
    series.AddPointXY(30, 30);
    Settle();
    EXPECT_EQ(chart.PaintCount(), paints);
    chart.SetRepaintEnabled(true);
}

TEST_F(ShownChart, SettingTheSameValueRequestsNothing) {
    chart.SetMarginLeft(chart.MarginLeft());
    Settle();
    EXPECT_FALSE(chart.Surface()->NeedsRedraw());
    chart.SetMarginLeft(chart.MarginLeft() + 1);
    EXPECT_TRUE(chart.Surface()->NeedsRedraw());
}

TEST(ChartProperties, DefaultsOfTheLayers) {
    TChart chart;
    EXPECT_EQ(chart.Color(), clBtnFace);
    EXPECT_EQ(chart.BevelOuter(), bvRaised);
    EXPECT_EQ(chart.MarginTop(), 4);
    EXPECT_TRUE(chart.View3D());
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    EXPECT_TRUE(chart.AllowZoom());
    EXPECT_EQ(chart.AllowPanning(), pmBoth);
    EXPECT_EQ(chart.AnimatedZoomSteps(), 8);
    EXPECT_EQ(chart.BackWall()->Brush()->Style(), bsClear);
    EXPECT_EQ(chart.LeftWall()->Color(), 0x80FFFF);
    EXPECT_EQ(chart.BottomWall()->Color(), clWhite);
    EXPECT_EQ(chart.BackColor(), clDefault);
    EXPECT_EQ(chart.Frame(), chart.BackWall()->Pen());
    ASSERT_EQ(chart.AxisList().size(), 5u);
    EXPECT_EQ(chart.AxisList()[0], chart.BottomAxis());
    EXPECT_EQ(chart.AxisList()[3], chart.RightAxis());
}

TEST(ChartProperties, Chart3DPercentOutsideOneToHundredKeepsTheValue) {
    TChart chart;
    chart.SetChart3DPercent(100);
    EXPECT_THROW(chart.SetChart3DPercent(0), ChartException);
    EXPECT_THROW(chart.SetChart3DPercent(101), ChartException);
    EXPECT_EQ(chart.Chart3DPercent(), 100);
    try {
        chart.SetChart3DPercent(-5);
    } catch (const ChartException& e) {
        EXPECT_EQ(std::string(e.what()), FormatMessage(ChartStrings::Chart3DPercent, 1, 100));
    }
}

TEST(ChartProperties, LegendChecksItsThreeSetters) {
    TChart chart;
    TChartLegend& legend = *chart.Legend();
    EXPECT_THROW(legend.SetColorWidth(101), LegendException);
    EXPECT_THROW(legend.SetTopPos(-1), LegendException);
    EXPECT_THROW(legend.SetFirstValue(-1), LegendException);
    legend.SetColorWidth(0);
    legend.SetTopPos(100);
    legend.SetFirstValue(0);
    EXPECT_EQ(legend.ColorWidth(), 0);
    EXPECT_EQ(legend.TopPos(), 100);
}

TEST(ChartProperties, BackColorAtRunTimeMakesTheWallSolid) {
    QWidget parent;
    TChart chart(&parent);
    chart.resize(200, 150);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    chart.SetBackColor(clRed);
    EXPECT_EQ(chart.BackWall()->Brush()->Style(), bsSolid);
    const QImage image = chart.RenderToImage();
    const TRect r = chart.PlotRect();
    EXPECT_EQ(image.pixel(r.Left + 5, r.Top + 5), Rgb(clRed));
}

TEST(ChartProperties, BackColorWhileLoadingLeavesTheBrush) {
    QWidget parent;
    TChart chart(&parent);
    chart.BeginLoading();
    chart.SetBackColor(clRed);
    chart.EndLoading();
    EXPECT_EQ(chart.BackWall()->Brush()->Style(), bsClear);
}

TEST(ChartLayout, CrossedEdgesGiveOnePixelAndCoincidentEdgesTheControlSize) {
    TChart chart;
    chart.resize(100, 80);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    chart.SetBorderWidth(50);  // edges cross horizontally (100 - 2 * 50 - margins)
    chart.RenderToImage();
    EXPECT_EQ(chart.PlotWidth(), 1);
    chart.SetBorderWidth(0);
    chart.SetMarginLeft(50);
    chart.SetMarginRight(50);
    chart.RenderToImage();
    EXPECT_EQ(chart.PlotWidth(), 100);
}

TEST(ChartLayout, BevelsDoNotShrinkThePlotRect) {
    TChart chart;
    chart.resize(200, 100);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    chart.RenderToImage();
    const TRect without = chart.PlotRect();
    chart.SetBevelInner(bvLowered);
    chart.SetBevelWidth(4);
    chart.RenderToImage();
    EXPECT_EQ(chart.PlotRect(), without);
}

TEST(ChartLayout, NoActiveSeriesShowsAllFourSideAxes) {
    TChart chart;
    chart.SetView3D(false);
    TFastLineSeries series;
    series.SetParentChart(&chart);
    series.SetActive(false);
    EXPECT_TRUE(chart.IsAxisShown(chart.TopAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.RightAxis()));
    series.SetActive(true);
    EXPECT_FALSE(chart.IsAxisShown(chart.TopAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.LeftAxis()));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.IsAxisShown(chart.LeftAxis()));
    series.SetParentChart(nullptr);
}

TEST(ChartPaint, UseBrushDrawsAHatchInItsOwnBackgroundColourBlack) {
    TChart chart;
    chart.resize(120, 100);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    chart.SetColor(clWhite);
    chart.BackWall()->Brush()->SetStyle(bsCross);
    chart.BackWall()->Brush()->SetColor(clGreen);
    chart.BackWall()->SetColor(clGreen);  // hatch colour == background colour
    const QImage image = chart.RenderToImage();
    const TRect r = chart.PlotRect();
    bool black = false;
    bool green = false;
    for (int x = r.Left + 1; x < r.Left + 17; ++x) {
        black |= image.pixel(x, r.Top + 9) == Rgb(clBlack);
        green |= image.pixel(x, r.Top + 9) == Rgb(clGreen);
    }
    EXPECT_TRUE(black);
    EXPECT_TRUE(green);
}

TEST(ChartPaint, VisibleTitleTakesLinesPlusGapAndEmptyTitleNothing) {
    TChart chart;
    chart.resize(300, 200);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    chart.Legend()->SetVisible(false);
    chart.RenderToImage();
    const int topWithoutText = chart.PlotRect().Top;  // visible title, no lines, no frame
    chart.Title()->SetText({"Line one", "Line two"});
    chart.RenderToImage();
    const int lineHeight = chart.Surface()->LineHeight();
    EXPECT_GT(lineHeight, 0);
    EXPECT_EQ(chart.PlotRect().Top, topWithoutText + 2 * lineHeight + 5);
}

TEST(ChartPaint, LegendListsSeriesAndNarrowsThePlot) {
    TChart chart;
    chart.resize(300, 200);
    chart.SetView3D(false);
    chart.SetAxisVisible(false);
    TFastLineSeries a;
    a.SetTitle("first");
    a.AddPointXY(0, 0);
    a.SetParentChart(&chart);
    chart.RenderToImage();
    const TRect legend = chart.LegendRect();
    EXPECT_GT(legend.Width(), 0);
    EXPECT_LE(chart.PlotRect().Right, legend.Left);
    a.SetParentChart(nullptr);
}

}  // namespace
