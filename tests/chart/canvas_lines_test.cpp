// Lines, rectangles and polygons keep the surface's pixel conventions.
#include <array>

#include "tests/chart/canvas_fixture.h"

namespace {

using CanvasLines = CanvasPixels;

TEST_F(CanvasLines, LineLeavesOutItsEndPixelInEveryDirection) {
    surface_.DrawLine(2, 2, 12, 2);     // right
    surface_.DrawLine(30, 2, 20, 2);    // left
    surface_.DrawLine(2, 10, 2, 20);    // down
    surface_.DrawLine(40, 10, 48, 18);  // diagonal
    EXPECT_EQ(At(2, 2), clBlack);
    EXPECT_EQ(At(11, 2), clBlack);
    EXPECT_TRUE(IsWhite(12, 2));
    EXPECT_EQ(At(30, 2), clBlack);
    EXPECT_TRUE(IsWhite(20, 2));
    EXPECT_EQ(At(2, 19), clBlack);
    EXPECT_TRUE(IsWhite(2, 20));
    EXPECT_EQ(At(47, 17), clBlack);
    EXPECT_TRUE(IsWhite(48, 18));
}

// Every direction, including the diagonals and lines running left or up: the start pixel is
// drawn, the end pixel is not, and the line has one pixel per step along its longer axis.
TEST(CanvasLineDirections, StartDrawnEndOmittedInAllDirections) {
    const TPoint centre{20, 20};
    for (int i = -12; i <= 12; ++i) {
        for (TPoint end : {TPoint{centre.X + i, centre.Y - 12}, TPoint{centre.X + i, centre.Y + 12},
                           TPoint{centre.X - 12, centre.Y + i}, TPoint{centre.X + 12, centre.Y + i}}) {
            for (bool outwards : {true, false}) {
                TPoint from = outwards ? centre : end;
                TPoint to = outwards ? end : centre;
                QImage image(41, 41, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                TChartCanvas3D surface;
                surface.AttachTarget(&painter);
                surface.DrawLine(from.X, from.Y, to.X, to.Y);
                surface.AttachTarget(nullptr);
                painter.end();
                int ink = 0;
                for (int y = 0; y < 41; ++y)
                    for (int x = 0; x < 41; ++x) ink += image.pixel(x, y) != 0xFFFFFFFFu ? 1 : 0;
                SCOPED_TRACE(testing::Message() << from.X << "," << from.Y << " -> " << to.X << "," << to.Y);
                EXPECT_EQ(image.pixel(from.X, from.Y), 0xFF000000u);
                EXPECT_EQ(image.pixel(to.X, to.Y), 0xFFFFFFFFu);
                EXPECT_EQ(ink, 12);
            }
        }
    }
}

TEST_F(CanvasLines, LineToContinuesFromTheEndAndZeroLengthDrawsNothing) {
    surface_.MoveToPoint(5, 5);
    surface_.LineToPoint(10, 5);
    surface_.LineToPoint(10, 9);
    EXPECT_EQ(surface_.PenPosition(), (TPoint{10, 9}));
    EXPECT_EQ(At(10, 5), clBlack);  // the corner comes from the second segment
    EXPECT_TRUE(IsWhite(10, 9));
    EXPECT_EQ(CountOf(clBlack), 9);
}

TEST_F(CanvasLines, ZeroLengthOnePixelLineAndDepthLineDrawNothing) {
    surface_.DrawLine(5, 5, 5, 5);
    surface_.DrawDepthLine(8, 8, 0, 20);
    EXPECT_EQ(InkBox(), (TRect{kWidth, kHeight, 0, 0}));
}

TEST_F(CanvasLines, OnePixelRectangleOutlineCoversFirstAndLastColumnsAndRows) {
    surface_.Brush()->SetStyle(bsClear);
    surface_.DrawRectangle(10, 5, 20, 15);
    EXPECT_EQ(InkBox(), (TRect{10, 5, 20, 15}));
    EXPECT_EQ(At(10, 10), clBlack);
    EXPECT_EQ(At(19, 10), clBlack);
    EXPECT_EQ(At(15, 5), clBlack);
    EXPECT_EQ(At(15, 14), clBlack);
    EXPECT_TRUE(IsWhite(15, 10));
}

TEST_F(CanvasLines, RectangleFillsItsInteriorWithTheBrush) {
    surface_.Brush()->SetColor(clRed);
    surface_.DrawRectangle(20, 10, 10, 4);  // corners given the other way round
    EXPECT_EQ(InkBox(), (TRect{10, 4, 20, 10}));
    EXPECT_EQ(At(15, 7), clRed);
    EXPECT_EQ(At(10, 7), clBlack);
}

TEST_F(CanvasLines, InvisiblePenStillFills) {
    TChartPen hidden;
    hidden.SetVisible(false);
    surface_.UsePen(hidden);
    surface_.Brush()->SetColor(clBlue);
    surface_.DrawRectangle(10, 10, 20, 20);
    EXPECT_EQ(CountOf(clBlack), 0);
    EXPECT_EQ(CountOf(clBlue), 100);
    EXPECT_EQ(surface_.Pen()->Style(), psClear);
}

TEST_F(CanvasLines, FillRectangleHasNoOutlineAndClearBrushFillsNothing) {
    surface_.Brush()->SetColor(clLime);
    surface_.FillRectangle({2, 3, 6, 8});
    surface_.Brush()->SetStyle(bsClear);
    surface_.EraseRect({30, 30, 40, 40});
    EXPECT_EQ(CountOf(clLime), 20);
    EXPECT_EQ(InkBox(), (TRect{2, 3, 6, 8}));
}

TEST_F(CanvasLines, PolygonLastIndexCountsFourCorners) {
    const std::array<TPoint, 5> points{{{5, 5}, {25, 5}, {25, 20}, {5, 20}, {60, 45}}};
    surface_.Brush()->SetStyle(bsClear);
    surface_.DrawPolygon(points, 3);
    // Closed through four corners: the left edge exists, the fifth point is not used.
    EXPECT_EQ(At(5, 12), clBlack);
    EXPECT_EQ(At(25, 12), clBlack);
    EXPECT_EQ(InkBox(), (TRect{5, 5, 26, 21}));
}

TEST_F(CanvasLines, PolygonIndexPastTheEndIsIgnoredNotRead) {
    const std::array<TPoint, 3> points{{{5, 5}, {25, 5}, {5, 20}}};
    surface_.DrawPolygon(points, 10);
    surface_.DrawPolygon(points, -1);
    EXPECT_EQ(InkBox(), (TRect{5, 5, 26, 21}));
}

TEST_F(CanvasLines, RectangleZIsAClosedPolygonIncludingRightAndBottom) {
    surface_.Brush()->SetStyle(bsClear);
    surface_.DrawRectangleZ({10, 10, 20, 20}, 7);
    EXPECT_EQ(InkBox(), (TRect{10, 10, 21, 21}));
}

TEST_F(CanvasLines, DepthOperationsAreFlatOnA2DChart) {
    EXPECT_EQ(surface_.ProjectPoint(12, 34, 99), (TPoint{12, 34}));
    int x = 7, y = 9;
    surface_.ScreenToPlane(x, y, 50);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 9);
    surface_.DrawHorizontalZ(2, 12, 3, 40);
    surface_.DrawVerticalZ(30, 3, 13, 40);
    EXPECT_EQ(At(11, 3), clBlack);
    EXPECT_TRUE(IsWhite(12, 3));
    EXPECT_EQ(At(30, 12), clBlack);
    EXPECT_TRUE(IsWhite(30, 13));
}

TEST_F(CanvasLines, EllipseZDrawsNothingOnAFlatChart) {
    surface_.Brush()->SetColor(clRed);
    surface_.DrawEllipseZ(5, 5, 40, 40, 0);
    EXPECT_EQ(InkBox(), (TRect{kWidth, kHeight, 0, 0}));
}

TEST_F(CanvasLines, PixelOperations) {
    surface_.PutPixel(3, 4, clRed);
    surface_.PutPixelZ(6, 7, 20, clBlue);
    surface_.Pen()->SetWidth(3);
    surface_.PutPixelZ(30, 30, 0, clBlue);  // wide pen: a dot in the pen colour
    EXPECT_EQ(At(3, 4), clRed);
    EXPECT_EQ(At(6, 7), clBlue);
    EXPECT_EQ(At(30, 30), clBlack);
}

TEST_F(CanvasLines, SmallDotsSetEveryOtherPixelAtWidthOne) {
    TChartPen dots;
    dots.SetSmallDots(true);
    surface_.UsePen(dots);
    surface_.DrawHorizontal(0, 20, 5);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(At(x, 5), x % 2 == 0 ? clBlack : clWhite) << x;
}

TEST_F(CanvasLines, SmallDotsIgnoredAtWidthTwo) {
    TChartPen dots;
    dots.SetSmallDots(true);
    dots.SetWidth(2);
    surface_.UsePen(dots);
    surface_.DrawHorizontal(4, 30, 10);
    for (int x = 6; x < 28; ++x) EXPECT_EQ(At(x, 10), clBlack) << x;
}

TEST_F(CanvasLines, SettingThePenAfterSmallDotsGivesASolidPen) {
    TChartPen dots;
    dots.SetSmallDots(true);
    surface_.UsePen(dots);
    surface_.Pen()->SetColor(clRed);
    surface_.DrawHorizontal(0, 10, 5);
    EXPECT_EQ(CountOf(clRed), 10);
}

TEST_F(CanvasLines, StyledPenGapsFollowTheBackgroundMode) {
    surface_.Pen()->SetStyle(psDot);
    surface_.ApplyBackColor(clRed);
    surface_.ApplyBackMode(bmTransparent);
    surface_.DrawHorizontal(0, 12, 2);
    surface_.ApplyBackMode(bmOpaque);
    surface_.DrawHorizontal(0, 12, 4);
    // Dots of three pixels with gaps of three.
    for (int x = 0; x < 12; ++x) {
        bool ink = (x / 3) % 2 == 0;
        EXPECT_EQ(At(x, 2), ink ? clBlack : clWhite) << x;
        EXPECT_EQ(At(x, 4), ink ? clBlack : clRed) << x;
    }
}

TEST_F(CanvasLines, BevelDrawsTopLeftAndBottomRightFrames) {
    surface_.DrawBevel({10, 10, 20, 18}, clRed, clBlue, 2);
    // Outer frame: top/left red on column 10 and row 10; bottom/right blue on column 19 and row 17.
    EXPECT_EQ(At(10, 12), clRed);
    EXPECT_EQ(At(15, 10), clRed);
    EXPECT_EQ(At(19, 12), clBlue);
    EXPECT_EQ(At(15, 17), clBlue);
    EXPECT_EQ(At(10, 17), clBlue);  // the bottom line runs to Left - 1, so it covers Left
    // Second frame one pixel in.
    EXPECT_EQ(At(11, 13), clRed);
    EXPECT_EQ(At(18, 13), clBlue);
    EXPECT_TRUE(IsWhite(14, 14));
    EXPECT_EQ(InkBox(), (TRect{10, 10, 20, 18}));
    EXPECT_EQ(surface_.Pen()->Width(), 1);
}

TEST_F(CanvasLines, GradientTopBottomRunsFromStartToEndColour) {
    surface_.FillGradient({0, 0, 4, 10}, clBlack, RGBColor(90, 0, 0), gdTopBottom);
    EXPECT_EQ(At(1, 0), clBlack);
    EXPECT_EQ(At(1, 9), RGBColor(90, 0, 0));
    EXPECT_EQ(At(1, 1), RGBColor(10, 0, 0));
    EXPECT_TRUE(IsWhite(4, 0));
}

TEST_F(CanvasLines, GradientBottomTopAndRightLeftStartAtTheFarSide) {
    surface_.FillGradient({0, 0, 4, 10}, clBlack, RGBColor(90, 0, 0), gdBottomTop);
    surface_.FillGradient({10, 0, 20, 4}, clBlack, RGBColor(0, 90, 0), gdRightLeft);
    EXPECT_EQ(At(1, 9), clBlack);
    EXPECT_EQ(At(1, 0), RGBColor(90, 0, 0));
    EXPECT_EQ(At(19, 1), clBlack);
    EXPECT_EQ(At(10, 1), RGBColor(0, 90, 0));
}

TEST_F(CanvasLines, GradientCapsItsBandsAt256) {
    QImage wide(600, 2, QImage::Format_RGB32);
    QPainter painter(&wide);
    TChartCanvas3D surface;
    surface.AttachTarget(&painter);
    surface.FillGradient({0, 0, 600, 2}, clBlack, RGBColor(255, 0, 0), gdLeftRight);
    surface.AttachTarget(nullptr);
    painter.end();
    int changes = 0;
    for (int x = 1; x < 600; ++x) changes += wide.pixel(x, 0) != wide.pixel(x - 1, 0) ? 1 : 0;
    EXPECT_EQ(changes, 255);
    EXPECT_EQ(FromQColor(wide.pixelColor(599, 0)), RGBColor(255, 0, 0));
}

TEST_F(CanvasLines, ShapedGradientsStayInsideTheRectangle) {
    surface_.FillGradient({10, 10, 30, 30}, clRed, clBlue, gdFromCenter);
    surface_.FillGradient({40, 10, 60, 30}, clRed, clBlue, gdFromTopLeft);
    surface_.FillGradient({40, 31, 60, 47}, clRed, clBlue, gdFromBottomLeft);
    EXPECT_EQ(InkBox(), (TRect{10, 10, 60, 47}));
    EXPECT_EQ(At(10, 10), clRed);
    EXPECT_TRUE(IsWhite(35, 20));
    EXPECT_EQ(At(40, 10), clRed);
    EXPECT_EQ(At(40, 46), clRed);
}

}  // namespace
