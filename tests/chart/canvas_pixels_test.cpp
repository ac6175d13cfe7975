// Exact pixels where drawing meets its limits: polylines sharing vertices, wide outlines, ellipse
// bounds, the opaque text cell, coordinates far outside the device, oversized bevels.
#include <QFontMetrics>
#include <climits>

#include "chart/view3d.h"
#include "tests/chart/canvas_fixture.h"

namespace {

using CanvasExact = CanvasPixels;

// With pmNot every pixel a segment covers is inverted, so a pixel drawn twice turns white again.
TEST_F(CanvasExact, PolylineDrawsEveryVertexOnceAndLeavesOutOnlyTheLastEnd) {
    const TPoint points[] = {{5, 5}, {30, 12}, {40, 30}, {20, 40}, {6, 25}, {5, 6}};
    surface_.Pen()->SetMode(pmNot);
    surface_.MoveToPoint(points[0].X, points[0].Y);
    int steps = 0;
    for (size_t i = 1; i < std::size(points); ++i) {
        surface_.LineToPoint(points[i].X, points[i].Y);
        steps += std::max(std::abs(points[i].X - points[i - 1].X), std::abs(points[i].Y - points[i - 1].Y));
    }
    for (size_t i = 0; i + 1 < std::size(points); ++i)
        EXPECT_EQ(At(points[i].X, points[i].Y), clBlack) << "vertex " << i;
    EXPECT_TRUE(IsWhite(5, 6));
    EXPECT_EQ(CountOf(clBlack), steps);  // one pixel per step, none twice
}

TEST_F(CanvasExact, ClosedPolylineCoversItsStartOnce) {
    surface_.Pen()->SetMode(pmNot);
    surface_.MoveToPoint(10, 10);
    surface_.LineToPoint(30, 14);
    surface_.LineToPoint(22, 30);
    surface_.LineToPoint(10, 10);
    EXPECT_EQ(At(10, 10), clBlack);
    EXPECT_EQ(At(30, 14), clBlack);
    EXPECT_EQ(At(22, 30), clBlack);
    EXPECT_EQ(CountOf(clBlack), 20 + 16 + 20);
}

// A pen of width 2 lies on the one-pixel outline and the pixel before it (left of a column, above a
// row); the brush fills what the pen leaves.
TEST_F(CanvasExact, RectangleWithPenWidthTwo) {
    surface_.Pen()->SetWidth(2);
    surface_.Brush()->SetColor(clRed);
    surface_.DrawRectangle(10, 8, 30, 20);
    EXPECT_EQ(InkBox(), (TRect{9, 7, 30, 20}));
    for (int y = 7; y < 20; ++y) {
        for (int x = 9; x < 30; ++x) {
            bool outline = x <= 10 || x >= 28 || y <= 8 || y >= 18;
            ASSERT_EQ(At(x, y), outline ? clBlack : clRed) << x << "," << y;
        }
    }
}

TEST_F(CanvasExact, EllipseFillsAndOutlinesWithinItsBox) {
    surface_.Brush()->SetColor(clRed);
    surface_.DrawEllipse(10, 5, 31, 20);
    EXPECT_EQ(InkBox(), (TRect{10, 5, 31, 20}));
    EXPECT_EQ(At(10, 12), clBlack);  // the outline touches all four sides
    EXPECT_EQ(At(30, 12), clBlack);
    EXPECT_EQ(At(20, 5), clBlack);
    EXPECT_EQ(At(20, 19), clBlack);
    EXPECT_EQ(At(20, 12), clRed);
    EXPECT_TRUE(IsWhite(10, 5));  // corners of the box stay free
    EXPECT_TRUE(IsWhite(30, 19));
}

TEST_F(CanvasExact, OpaqueTextCellHoldsGlyphsInTheFontColourOnTheBackground) {
    surface_.Font()->SetSize(10);
    surface_.Font()->SetColor(clBlue);
    surface_.ApplyBackMode(bmOpaque);
    surface_.ApplyBackColor(clRed);
    surface_.PutText(4, 6, "Wg");
    QFontMetrics metrics(surface_.Font()->ToQFont());
    const int width = surface_.MeasureWidth("Wg");
    EXPECT_EQ(InkBox(), (TRect{4, 6, 4 + width, 6 + metrics.height()}));
    EXPECT_GT(CountOf(clBlue), 0);
    EXPECT_EQ(CountOf(clBlue) + CountOf(clRed), width * metrics.height());
}

TEST_F(CanvasExact, ZoomedDepthViewScalesRotatedTextAndRestoresTheFont) {
    TView3DOptions options;
    options.SetZoom(200);
    surface_.Font()->SetSize(10);
    surface_.PrepareSurface(painter_.get(), &options, clWhite, true, {0, 0, kWidth, kHeight});
    surface_.ApplyBackMode(bmOpaque);
    surface_.ApplyBackColor(clRed);
    surface_.PutRotatedText(2, 2, "M", 0);
    TFont doubled;
    doubled.SetName(surface_.Font()->Name());
    doubled.SetSize(20);
    EXPECT_EQ(InkBox().Height(), QFontMetrics(doubled.ToQFont()).height());
    EXPECT_EQ(surface_.Font()->Size(), 10);
}

// A steep line running up from far below the device: only the part on the device costs anything,
// and its pixels are those of the whole line.
TEST_F(CanvasExact, LineFromFarOutsideDrawsItsVisiblePixels) {
    surface_.DrawLine(10, INT_MAX, 20, INT_MIN);
    surface_.DrawLine(INT_MIN, 40, INT_MAX, 40);
    for (int y = 0; y < kHeight; ++y) EXPECT_EQ(At(15, y), clBlack) << y;
    for (int x = 0; x < kWidth; ++x) EXPECT_EQ(At(x, 40), clBlack) << x;
    EXPECT_EQ(CountOf(clBlack), kHeight + kWidth - 1);
}

TEST_F(CanvasExact, RectangleFromFarOutsideKeepsItsFillAndVisibleEdges) {
    surface_.Brush()->SetColor(clRed);
    surface_.DrawRectangle(INT_MIN, 5, INT_MAX, 10);
    surface_.Brush()->SetStyle(bsVertical);
    surface_.Brush()->SetColor(clBlue);
    surface_.FillRectangle({INT_MIN, 20, INT_MAX, 22});
    for (int x = 0; x < kWidth; ++x) {
        EXPECT_EQ(At(x, 5), clBlack) << x;
        EXPECT_EQ(At(x, 7), clRed) << x;
        EXPECT_EQ(At(x, 9), clBlack) << x;
        EXPECT_EQ(At(x, 20), x % 8 == 4 ? clBlue : clWhite) << x;  // the hatch keeps its origin
    }
}

TEST_F(CanvasExact, ClipFromFarOutsideIsTheDevice) {
    surface_.ClipToRect({INT_MIN, INT_MIN, INT_MAX, 10});
    surface_.ClipToCube({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0, 0);
    surface_.Brush()->SetColor(clBlack);
    surface_.FillRectangle({0, 0, kWidth, kHeight});
    EXPECT_EQ(InkBox(), (TRect{0, 0, kWidth, 10}));
}

TEST_F(CanvasExact, BevelWiderThanItsRectangleStaysInside) {
    surface_.DrawBevel({10, 10, 20, 16}, clRed, clBlue, INT_MAX);
    EXPECT_EQ(InkBox(), (TRect{10, 10, 20, 16}));
    EXPECT_EQ(CountOf(clWhite), kWidth * kHeight - 60);
}

// A styled line starts its pattern at its start pixel whichever way it runs: leftwards and upwards
// it shows the mirror image of the same line drawn rightwards and downwards.
TEST_F(CanvasExact, StyledLinesStartTheirPatternAtTheStartInEveryDirection) {
    for (TPenStyle style : {psDash, psDot, psDashDot, psDashDotDot}) {
        for (bool smallDots : {false, true}) {
            Finish();
            image_.fill(Qt::white);
            painter_ = std::make_unique<QPainter>(&image_);
            surface_.AttachTarget(painter_.get());
            TChartPen pen;
            pen.SetStyle(style);
            pen.SetSmallDots(smallDots);
            surface_.UsePen(pen);
            surface_.DrawHorizontal(31, 0, 2);   // left
            surface_.DrawHorizontal(31, 62, 4);  // right
            surface_.DrawVertical(10, 30, 8);    // up
            surface_.DrawVertical(12, 8, 30);    // down
            SCOPED_TRACE(testing::Message() << "style " << int(style) << (smallDots ? " small dots" : ""));
            EXPECT_EQ(At(31, 2), clBlack);
            EXPECT_TRUE(IsWhite(0, 2));
            EXPECT_EQ(At(10, 30), clBlack);
            EXPECT_TRUE(IsWhite(10, 8));
            for (int d = 0; d < 31; ++d) ASSERT_EQ(At(31 - d, 2), At(31 + d, 4)) << d;
            for (int d = 0; d < 22; ++d) ASSERT_EQ(At(10, 30 - d), At(12, 8 + d)) << d;
        }
    }
}

}  // namespace
