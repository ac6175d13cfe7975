// The paint cycle's order of events, the per-series steps, the panel border's 3-D frames and the
// small panel helpers.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/fastline.h"

namespace {

QRgb Rgb(TColor c) {
    return ToQColor(ColorToRGB(c)).rgb();
}

// A flat chart without axes, title or legend.
class PaintChart : public ::testing::Test {
  protected:
    PaintChart() {
        chart.resize(200, 100);
        chart.SetView3D(false);
        chart.SetAxisVisible(false);
        chart.Legend()->SetVisible(false);
        chart.Title()->SetVisible(false);
        chart.BottomAxis()->SetRange(0, 100);
        chart.LeftAxis()->SetRange(0, 100);
    }
    void Record(TFastLineSeries& s, const std::string& name) {
        s.BeforeDrawValues = [this, name](TChartSeries*) { log.push_back("begin " + name); };
        s.AfterDrawValues = [this, name](TChartSeries*) { log.push_back("end " + name); };
    }
    TChart chart;
    std::vector<std::string> log;
};

TEST_F(PaintChart, EventsComeInCycleOrderAndSeriesWithoutPointsAreSkipped) {
    TFastLineSeries a;
    TFastLineSeries empty;
    TFastLineSeries inactive;
    TFastLineSeries b;
    a.AddPointXY(0, 0);
    a.AddPointXY(50, 50);
    inactive.AddPointXY(0, 0);
    b.AddPointXY(10, 10);
    Record(a, "a");
    Record(empty, "empty");
    Record(inactive, "inactive");
    Record(b, "b");
    inactive.SetActive(false);
    for (TFastLineSeries* s : {&a, &empty, &inactive, &b}) s->SetParentChart(&chart);
    chart.SetAxisVisible(true);
    chart.OnBeforeDrawAxes = [this](TCustomChartPanel*) { log.push_back("axes"); };
    chart.OnBeforeDrawSeries = [this](TCustomChartPanel*) { log.push_back("series"); };
    chart.OnAfterDraw = [this](TCustomChartPanel*) { log.push_back("after"); };
    chart.RenderToImage();
    EXPECT_EQ(log,
              (std::vector<std::string>{"axes", "series", "begin a", "end a", "begin b", "end b", "after"}));
    log.clear();
    chart.SetAxisVisible(false);
    chart.RenderToImage();
    EXPECT_EQ(log.front(), "series");  // no axes, no axes event
    for (TFastLineSeries* s : {&a, &empty, &inactive, &b}) s->SetParentChart(nullptr);
}

TEST_F(PaintChart, ClipPointsOffLetsASeriesReachTheFrame) {
    TFastLineSeries line;
    line.SetSeriesColor(clRed);
    line.AddPointXY(0, 50);
    line.AddPointXY(100, 50);
    line.SetParentChart(&chart);
    chart.Frame()->SetVisible(false);
    QImage image = chart.RenderToImage();
    const int y = chart.LeftAxis()->PixelOf(50);
    const TRect r = chart.PlotRect();
    EXPECT_NE(image.pixel(r.Left, y), Rgb(clRed));  // clipped: Left + 1 is the first column
    EXPECT_EQ(image.pixel(r.Left + 1, y), Rgb(clRed));
    chart.SetClipPoints(false);
    image = chart.RenderToImage();
    EXPECT_EQ(image.pixel(r.Left, y), Rgb(clRed));
    line.SetParentChart(nullptr);
}

TEST(PlainChart, AxisLabelsAfterADefaultBackWallSitOnThePanelColour) {
    TChart chart;
    chart.resize(300, 200);
    TFastLineSeries line;
    for (int x = 0; x <= 80; x += 16) line.AddPointXY(x, x / 2);
    line.SetParentChart(&chart);
    const QImage image = chart.RenderToImage();
    // The band of the bottom axis' labels: glyphs in black on the panel colour, no black cells.
    const TRect plot = chart.PlotRect();
    int black = 0;
    int panel = 0;
    for (int y = plot.Bottom + 6; y < image.height() - 2; ++y) {
        for (int x = plot.Left; x < plot.Right; ++x) {
            black += image.pixel(x, y) == Rgb(clBlack) ? 1 : 0;
            panel += image.pixel(x, y) == Rgb(clBtnFace) ? 1 : 0;
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_GT(panel, 4 * black);
    line.SetParentChart(nullptr);
}

// Colours of the panel edge at inset `i` on the left column and the bottom row.
struct Edge {
    QRgb left;
    QRgb top;
    QRgb right;
    QRgb bottom;
};
Edge EdgeAt(const QImage& image, int i) {
    const int w = image.width();
    const int h = image.height();
    return {image.pixel(i, h / 2), image.pixel(w / 2, i), image.pixel(w - 1 - i, h / 2),
            image.pixel(w / 2, h - 1 - i)};
}

TEST_F(PaintChart, BevelsAreThreeDFramesAroundTheBorderInPanelColour) {
    const TColor panel = RGBColor(0, 0, 128);
    chart.SetColor(panel);
    chart.Frame()->SetVisible(false);
    chart.SetBevelOuter(bvRaised);
    chart.SetBevelWidth(2);
    chart.SetBorderWidth(3);
    chart.SetBevelInner(bvLowered);
    const QImage image = chart.RenderToImage();
    const QRgb light = Rgb(clBtnHighlight);
    const QRgb dark = Rgb(clBtnShadow);
    for (int i : {0, 1}) {  // raised: light above and left, dark below and right
        const Edge e = EdgeAt(image, i);
        EXPECT_EQ(e.left, light) << i;
        EXPECT_EQ(e.top, light) << i;
        EXPECT_EQ(e.right, dark) << i;
        EXPECT_EQ(e.bottom, dark) << i;
    }
    for (int i : {2, 3, 4}) EXPECT_EQ(EdgeAt(image, i).left, Rgb(panel)) << i;
    for (int i : {5, 6}) {  // lowered inside the border: the other way round
        const Edge e = EdgeAt(image, i);
        EXPECT_EQ(e.left, dark) << i;
        EXPECT_EQ(e.top, dark) << i;
        EXPECT_EQ(e.right, light) << i;
        EXPECT_EQ(e.bottom, light) << i;
    }
    // The bottom-right colour owns the two far corners of each ring.
    EXPECT_EQ(image.pixel(0, image.height() - 1), dark);
    EXPECT_EQ(image.pixel(image.width() - 1, 0), dark);
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(EdgeAt(image, 7).left, Rgb(panel));
}

TEST_F(PaintChart, SpaceBevelIsLightOnAllSides) {
    chart.SetColor(RGBColor(0, 0, 128));
    chart.SetBevelOuter(bvSpace);
    const Edge e = EdgeAt(chart.RenderToImage(), 0);
    const QRgb light = Rgb(clBtnHighlight);
    EXPECT_EQ(e.left, light);
    EXPECT_EQ(e.top, light);
    EXPECT_EQ(e.right, light);
    EXPECT_EQ(e.bottom, light);
}

TEST_F(PaintChart, MarginsArePercentOfTheDrawingAreaRoundedByMulDiv) {
    // 3 % of 250 = 7.5 -> 8 (half away from zero), 4 % of 150 = 6.
    chart.resize(250, 150);
    chart.SetBevelOuter(bvRaised);
    chart.SetBevelWidth(5);
    chart.RenderToImage();
    EXPECT_EQ(chart.PlotRect(), (TRect{8, 6, 242, 144}));
    EXPECT_EQ(chart.PlotWidth(), 234);
    EXPECT_EQ(chart.PlotCenterX(), 125);
    EXPECT_EQ(chart.PlotCenterY(), 75);
}

TEST(PanelHelpers, TextBlockWidthSplitsAtCarriageReturns) {
    TChart chart;
    int lines = 0;
    const int wide = chart.TextBlockWidth("WWWW", lines);
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(chart.TextBlockWidth("i\rWWWW\ri", lines), wide);
    EXPECT_EQ(lines, 3);
    chart.TextBlockWidth("WWWW\r", lines);
    EXPECT_EQ(lines, 1);  // a trailing separator adds no line
    EXPECT_EQ(chart.TextBlockWidth("", lines), 0);
    EXPECT_EQ(lines, 1);
}

TEST(PanelHelpers, UseFontKeepsTheSurfaceResolutionAndRequestsNoRepaint) {
    TChart chart;
    chart.RenderToImage();
    const int ppi = chart.Surface()->Font()->PixelsPerInch();
    int changes = 0;
    TFont font([&changes] { ++changes; });
    font.SetHeight(-20);
    font.SetPixelsPerInch(ppi * 2);
    changes = 0;
    chart.UseFont(font);
    EXPECT_EQ(chart.Surface()->Font()->Height(), -20);
    EXPECT_EQ(chart.Surface()->Font()->PixelsPerInch(), ppi);
    EXPECT_EQ(changes, 0);  // the source's owner hears nothing of the copy
    EXPECT_FALSE(chart.Surface()->NeedsRedraw());
}

}  // namespace
