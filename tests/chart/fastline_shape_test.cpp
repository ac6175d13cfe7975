// Fast line and shape series drawn on a flat chart whose axes map values straight to pixels.
#include <gtest/gtest.h>

#include <QImage>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/colors.h"
#include "chart/fastline.h"
#include "chart/shape.h"
#include "tests/chart/chart_test_support.h"

namespace {

// The bare white chart, counting the pixels of one colour.
class FastLinePixels : public PixelChart {
  protected:
    int Count(const QImage& image, TColor colour) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == Rgb(colour);
        return n;
    }
};

TEST_F(FastLinePixels, RepeatedPixelsAreSkippedAndTheLineEndsAtTheLastDistinctPixel) {
    TFastLineSeries line;
    line.SetSeriesColor(clRed);
    line.AddPointXY(0, 0);
    line.AddPointXY(50, 50);
    line.AddPointXY(50.0001, 50.0001);
    line.SetParentChart(&chart);
    chart.RenderToImage();
    const TCustomChartAxis* h = chart.BottomAxis();
    const TCustomChartAxis* v = chart.LeftAxis();
    EXPECT_EQ(line.LastPixel(), (TPoint{h->PixelOf(50), v->PixelOf(50)}));
    line.SetParentChart(nullptr);
}

TEST_F(FastLinePixels, TheSegmentEnteringThePlotIsDrawn) {
    chart.BottomAxis()->SetRange(10, 100);
    TFastLineSeries line;
    line.SetSeriesColor(clRed);
    line.AddPointXY(0, 50);
    line.AddPointXY(40, 50);
    line.SetParentChart(&chart);
    const QImage image = chart.RenderToImage();
    EXPECT_EQ(line.FirstVisible(), 1);
    const TRect r = chart.PlotRect();
    EXPECT_EQ(image.pixel(r.Left + 1, chart.LeftAxis()->PixelOf(50)), Rgb(clRed));
    line.SetParentChart(nullptr);
}

TEST_F(FastLinePixels, OnePointDrawsNothing) {
    TFastLineSeries line;
    line.SetSeriesColor(clRed);
    line.AddPointXY(50, 50);
    line.SetParentChart(&chart);
    EXPECT_EQ(Count(chart.RenderToImage(), clRed), 0);
    line.SetParentChart(nullptr);
}

TEST_F(FastLinePixels, FastLineColourAndPenAreOne) {
    TFastLineSeries line;
    line.SetSeriesColor(clBlue);
    EXPECT_EQ(line.LinePen()->Color(), clBlue);
    TChartPen pen;
    pen.SetColor(clGreen);
    pen.SetWidth(3);
    line.SetLinePen(pen);
    EXPECT_EQ(line.SeriesColor(), clGreen);
    EXPECT_EQ(line.LinePen()->Width(), 3);
    EXPECT_TRUE(line.ExtendPastEdge());
    EXPECT_TRUE(line.AutoRepaint());
}

TEST_F(FastLinePixels, FastLinePointAtPixelFindsPointsAndSegments) {
    TFastLineSeries line;
    line.AddPointXY(0, 0);
    line.AddPointXY(100, 0);
    line.SetParentChart(&chart);
    chart.RenderToImage();
    const int y = chart.LeftAxis()->PixelOf(0);
    const int x0 = chart.BottomAxis()->PixelOf(0);
    EXPECT_EQ(line.PointAtPixel({x0, y}), 0);
    EXPECT_EQ(line.PointAtPixel({chart.BottomAxis()->PixelOf(100), y}), 1);
    EXPECT_EQ(line.PointAtPixel({x0 + 7, y}), 0);
    EXPECT_EQ(line.PointAtPixel({x0 + 7, y - 3}), -1);
    line.SetParentChart(nullptr);
}

TEST_F(FastLinePixels, ShapeCornersInEitherOrderGiveTheSameRectangle) {
    TChartShape shape;
    shape.SetStyle(chasRectangle);
    shape.Pen()->SetVisible(false);
    shape.SetSeriesColor(clRed);
    shape.SetParentChart(&chart);
    shape.SetX0(20);
    shape.SetY0(20);
    shape.SetX1(60);
    shape.SetY1(70);
    const QImage straight = chart.RenderToImage();
    const TRect ordered = shape.OrderedBounds();
    shape.SetX0(60);
    shape.SetX1(20);
    shape.SetY0(70);
    shape.SetY1(20);
    EXPECT_EQ(chart.RenderToImage(), straight);
    EXPECT_EQ(shape.OrderedBounds(), ordered);
    EXPECT_EQ(Count(straight, clRed), ordered.Width() * ordered.Height());
    shape.SetParentChart(nullptr);
}

TEST_F(FastLinePixels, ShapeWithEqualPixelsIsOnePixelWide) {
    TChartShape shape;
    shape.SetStyle(chasRectangle);
    shape.Pen()->SetVisible(false);
    shape.SetSeriesColor(clRed);
    shape.SetParentChart(&chart);
    shape.SetX0(30);
    shape.SetX1(30);
    shape.SetY0(20);
    shape.SetY1(60);
    chart.RenderToImage();
    EXPECT_EQ(shape.OrderedBounds().Width(), 1);
    shape.SetParentChart(nullptr);
}

TEST_F(FastLinePixels, ShapeLineRunsFromPointZeroToPointOne) {
    TChartShape shape;
    shape.SetStyle(chasLine);
    shape.Pen()->SetColor(clRed);
    shape.SetParentChart(&chart);
    shape.SetX0(10);
    shape.SetY0(90);  // top left ...
    shape.SetX1(90);
    shape.SetY1(10);  // ... to bottom right on screen is wrong: this goes up to the right
    const QImage image = chart.RenderToImage();
    const TCustomChartAxis* h = chart.BottomAxis();
    const TCustomChartAxis* v = chart.LeftAxis();
    EXPECT_EQ(image.pixel(h->PixelOf(10), v->PixelOf(90)), Rgb(clRed));
    EXPECT_NE(image.pixel(h->PixelOf(10), v->PixelOf(10)), Rgb(clRed));
    shape.SetParentChart(nullptr);
}

TEST_F(FastLinePixels, TransparentShapeDrawsOnlyItsOutline) {
    TChartShape shape;
    shape.SetStyle(chasRectangle);
    shape.SetSeriesColor(clRed);
    shape.Pen()->SetColor(clBlue);
    shape.SetTransparent(true);
    shape.SetParentChart(&chart);
    shape.SetX0(20);
    shape.SetY0(20);
    shape.SetX1(60);
    shape.SetY1(70);
    QImage image = chart.RenderToImage();
    EXPECT_EQ(Count(image, clRed), 0);
    EXPECT_GT(Count(image, clBlue), 0);
    shape.Pen()->SetVisible(false);
    image = chart.RenderToImage();
    EXPECT_EQ(Count(image, clBlue), 0);
    shape.SetParentChart(nullptr);
}

TEST(ShapeColour, SeriesColourRecoloursTheBrushButNotTheReverse) {
    TChartShape shape;
    EXPECT_EQ(shape.SeriesColor(), clWhite);
    EXPECT_EQ(shape.Brush()->Color(), clWhite);
    shape.SetSeriesColor(clRed);
    EXPECT_EQ(shape.Brush()->Color(), clRed);
    shape.Brush()->SetColor(clBlue);
    EXPECT_EQ(shape.SeriesColor(), clRed);
}

TEST(ShapeDefaults, TwoPointsAndTheirProperties) {
    TChartShape shape;
    ASSERT_EQ(shape.PointCount(), 2);
    EXPECT_DOUBLE_EQ(shape.X1(), 100);
    EXPECT_EQ(shape.Style(), chasCircle);
    EXPECT_EQ(shape.XYStyle(), xysAxis);
    EXPECT_FALSE(shape.LimitToVisible());
    EXPECT_TRUE(shape.DrawsOnAxes());
    shape.SetXYStyle(xysPixels);
    EXPECT_FALSE(shape.DrawsOnAxes());
}

TEST(ShapeBounds, PixelsAndAxisOrigin) {
    TChartShape shape;
    shape.SetXYStyle(xysPixels);
    shape.SetX0(10.7);
    shape.SetY0(20.2);
    shape.SetX1(5.9);
    shape.SetY1(8);
    EXPECT_EQ(shape.ShapeBounds(), (TRect{10, 20, 5, 8}));
    EXPECT_EQ(shape.OrderedBounds(), (TRect{5, 8, 10, 20}));
    EXPECT_EQ(shape.PointAtPixel({5, 8}), -1);  // a circle: the corner is outside
    EXPECT_EQ(shape.PointAtPixel({7, 14}), 0);
}

}  // namespace
