// The shape's figures, its text lines and its place among the axes; the fast line's immediate
// segment when it does not repaint on every added point.
#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <cmath>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/fastline.h"
#include "chart/shape.h"
#include "tests/chart/chart_test_support.h"

namespace {

// A white flat chart without axes (both span 0..100) and a shape in pixels from (40, 40) to
// (120, 120): red one-pixel outline, solid blue fill.
class ShapeChart : public PixelChart {
  protected:
    ShapeChart() {
        shape.SetXYStyle(xysPixels);
        shape.SetX0(40);
        shape.SetY0(40);
        shape.SetX1(120);
        shape.SetY1(120);
        shape.Pen()->SetColor(clRed);
        shape.Brush()->SetColor(clBlue);
        shape.SetParentChart(&chart);
    }
    ~ShapeChart() override { shape.SetParentChart(nullptr); }
    QRgb At(TChartShapeStyle style, int x, int y) {
        shape.SetStyle(style);
        return chart.RenderToImage().pixel(x, y);
    }
    TChartShape shape;
};

constexpr int L = 40, T = 40, R = 120, B = 120, CX = 80, CY = 80;

TEST_F(ShapeChart, FilledFiguresOfTheStyleTable) {
    for (TChartShapeStyle s : {chasRectangle, chasCube}) {
        EXPECT_EQ(At(s, CX, CY), Rgb(clBlue)) << s;
        EXPECT_EQ(At(s, L, CY), Rgb(clRed)) << s;
        EXPECT_EQ(At(s, L + 2, T + 2), Rgb(clBlue)) << s;
    }
    EXPECT_EQ(At(chasCircle, CX, CY), Rgb(clBlue));
    EXPECT_EQ(At(chasCircle, L + 3, T + 3), Rgb(clWhite));    // the corners lie outside the ellipse
    for (TChartShapeStyle s : {chasTriangle, chasPyramid}) {  // apex up
        EXPECT_EQ(At(s, L + 4, B - 2), Rgb(clBlue)) << s;
        EXPECT_EQ(At(s, L + 4, T + 4), Rgb(clWhite)) << s;
        EXPECT_EQ(At(s, CX, T), Rgb(clRed)) << s;
    }
    for (TChartShapeStyle s : {chasInvertTriangle, chasInvertPyramid}) {  // apex down
        EXPECT_EQ(At(s, L + 4, T + 2), Rgb(clBlue)) << s;
        EXPECT_EQ(At(s, L + 4, B - 4), Rgb(clWhite)) << s;
        EXPECT_EQ(At(s, CX, B), Rgb(clRed)) << s;
    }
    EXPECT_EQ(At(chasDiamond, CX, CY), Rgb(clBlue));
    EXPECT_EQ(At(chasDiamond, L + 4, T + 4), Rgb(clWhite));
    EXPECT_EQ(At(chasDiamond, L, CY), Rgb(clRed));
}

TEST_F(ShapeChart, LineFiguresOfTheStyleTable) {
    EXPECT_EQ(At(chasVertLine, CX, CY), Rgb(clRed));
    EXPECT_EQ(At(chasVertLine, CX + 3, CY), Rgb(clWhite));
    EXPECT_EQ(At(chasHorizLine, CX, CY), Rgb(clRed));
    EXPECT_EQ(At(chasHorizLine, CX, CY + 3), Rgb(clWhite));
    for (TChartShapeStyle s : {chasCross, chasStar}) {
        EXPECT_EQ(At(s, CX, T + 5), Rgb(clRed)) << s;
        EXPECT_EQ(At(s, L + 5, CY), Rgb(clRed)) << s;
    }
    for (TChartShapeStyle s : {chasDiagCross, chasStar}) {
        EXPECT_EQ(At(s, L + 20, T + 20), Rgb(clRed)) << s;
        EXPECT_EQ(At(s, L + 20, B - 20), Rgb(clRed)) << s;
    }
    EXPECT_EQ(At(chasCross, L + 20, T + 20), Rgb(clWhite));
    EXPECT_EQ(At(chasDiagCross, CX, T + 5), Rgb(clWhite));
    EXPECT_EQ(At(chasLine, L + 20, T + 20), Rgb(clRed));
    EXPECT_EQ(At(chasLine, L + 20, B - 20), Rgb(clWhite));
}

TEST_F(ShapeChart, RoundRectangleLeavesTheCornersOpen) {
    shape.SetRoundRectangle(true);
    EXPECT_EQ(At(chasRectangle, L, T), Rgb(clWhite));
    EXPECT_EQ(At(chasRectangle, CX, CY), Rgb(clBlue));
}

TEST_F(ShapeChart, NothingOutsideThePlotAndNothingWithoutExactlyTwoPoints) {
    shape.SetStyle(chasRectangle);
    shape.SetParentChart(nullptr);
    const QImage empty = chart.RenderToImage();
    shape.SetParentChart(&chart);
    shape.SetX0(300);
    shape.SetX1(400);
    EXPECT_EQ(chart.RenderToImage(), empty);
    shape.SetX0(40);
    shape.SetX1(120);
    shape.AddPointXY(50, 50);
    EXPECT_EQ(chart.RenderToImage(), empty);
}

TEST_F(ShapeChart, TextOnABrushOfItsOwnColourTurnsWhiteAndIsCentred) {
    shape.SetStyle(chasRectangle);
    shape.Brush()->SetColor(clBlack);
    shape.Font()->SetColor(clBlack);
    shape.SetText({"WW"});
    const QImage image = chart.RenderToImage();
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    for (int y = T + 1; y < B; ++y)
        for (int x = L + 1; x < R; ++x)
            if (image.pixel(x, y) == Rgb(clWhite)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(bottom, 0) << "no white text on the black brush";
    EXPECT_EQ(shape.Font()->Color(), clBlack);  // the swap is the surface's, not the shape's font
    EXPECT_LE(std::abs((top + bottom) / 2 - CY), 3);
    EXPECT_LE(std::abs((left + right) / 2 - CX), 3);
}

TEST_F(ShapeChart, LeftAlignedTextStartsFourPixelsInsidePen) {
    shape.SetStyle(chasRectangle);
    shape.Brush()->SetColor(clWhite);
    shape.Pen()->SetVisible(false);
    shape.Font()->SetColor(clBlack);
    shape.SetAlignment(taLeftJustify);
    shape.SetText({"|"});
    const QImage image = chart.RenderToImage();
    int left = INT_MAX;
    for (int y = T; y < B; ++y)
        for (int x = L; x < R; ++x)
            if (image.pixel(x, y) == Rgb(clBlack)) left = std::min(left, x);
    ASSERT_NE(left, INT_MAX);
    EXPECT_GE(left, L + 1 + 4);
    EXPECT_LE(left, L + 1 + 4 + 4);
}

TEST_F(ShapeChart, SaturatedCornersNeitherOverflowNorDraw) {
    shape.SetStyle(chasRectangle);
    shape.SetX0(1e300);
    shape.SetX1(1e300);
    shape.SetY0(std::nan(""));
    EXPECT_EQ(shape.ShapeBounds().Left, INT_MAX);
    EXPECT_EQ(shape.ShapeBounds().Top, 0);
    const TRect o = shape.OrderedBounds();
    EXPECT_EQ(o.Right, INT_MAX);
    EXPECT_EQ(o.Left, INT_MAX - 1);
    EXPECT_EQ(shape.PointAtPixel({10, 10}), -1);
    shape.SetXYStyle(xysAxisOrigin);
    shape.SetX0(50);
    shape.SetX1(1e300);
    EXPECT_EQ(shape.ShapeBounds().Right, INT_MAX);
    chart.RenderToImage();
}

TEST(ShapeOnAxes, AShapeOnAxesTakesPartInTheAutomaticRanges) {
    TChart chart;
    chart.SetView3D(false);
    TFastLineSeries line;
    line.AddPointXY(0, 0);
    line.AddPointXY(10, 10);
    TChartShape shape;
    shape.SetX1(500);
    shape.SetY1(700);
    line.SetParentChart(&chart);
    shape.SetParentChart(&chart);
    chart.RenderToImage();
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 500);
    EXPECT_EQ(chart.LeftAxis()->Maximum(), 700);
    EXPECT_TRUE(shape.UsesAxis(chart.BottomAxis()));
    shape.SetXYStyle(xysPixels);
    EXPECT_FALSE(shape.UsesAxis(chart.BottomAxis()));
    shape.SetParentChart(nullptr);
    line.SetParentChart(nullptr);
}

TEST_F(ShapeChart, FastLineWithoutAutoRepaintDrawsTheNewSegmentAtOnce) {
    shape.SetParentChart(nullptr);
    TFastLineSeries line;
    line.SetSeriesColor(clRed);
    line.AddPointXY(0, 50);
    line.AddPointXY(20, 50);
    line.SetParentChart(&chart);
    chart.RenderToImage();
    const int paints = chart.PaintCount();
    int added = 0;
    line.OnAfterAdd = [&added](TChartSeries*, int) { ++added; };
    line.SetAutoRepaint(false);
    line.AddPointXY(80, 50);
    EXPECT_EQ(added, 0);
    EXPECT_FALSE(chart.Surface()->NeedsRedraw());  // no repaint requested
    EXPECT_EQ(chart.PaintCount(), paints);
    const QImage* buffer = chart.Surface()->Buffer();
    ASSERT_NE(buffer, nullptr);
    const int y = chart.LeftAxis()->PixelOf(50);
    EXPECT_EQ(buffer->pixel(chart.BottomAxis()->PixelOf(60), y), Rgb(clRed));
    line.SetAutoRepaint(true);
    line.AddPointXY(90, 50);
    EXPECT_EQ(added, 1);
    EXPECT_TRUE(chart.Surface()->NeedsRedraw());
    line.SetParentChart(nullptr);
}

}  // namespace
