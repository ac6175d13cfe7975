// Clip regions: Right and Bottom exclusive, nested ones intersect, RemoveClip removes all.
#include "chart/view3d.h"
#include "tests/chart/canvas_fixture.h"

namespace {

using CanvasClip = CanvasPixels;

void Flood(TChartCanvas3D& surface) {
    surface.Brush()->SetColor(clBlack);
    surface.FillRectangle({0, 0, 64, 48});
}

TEST_F(CanvasClip, ClipToRectKeepsDrawingInsideWithExclusiveEdges) {
    surface_.ClipToRect({10, 5, 20, 15});
    Flood(surface_);
    EXPECT_EQ(InkBox(), (TRect{10, 5, 20, 15}));
}

TEST_F(CanvasClip, NestedClipsIntersect) {
    surface_.ClipToRect({10, 5, 30, 25});
    surface_.ClipToRect({20, 0, 40, 15});
    Flood(surface_);
    EXPECT_EQ(InkBox(), (TRect{20, 5, 30, 15}));
}

TEST_F(CanvasClip, RemoveClipRemovesEveryRegion) {
    surface_.ClipToRect({10, 5, 30, 25});
    surface_.ClipToRect({20, 0, 40, 15});
    surface_.RemoveClip();
    surface_.ClipToRect({0, 0, 5, 5});  // a new clip after removal does not meet the old ones
    Flood(surface_);
    EXPECT_EQ(InkBox(), (TRect{0, 0, 5, 5}));
}

TEST_F(CanvasClip, ClipToCubeOnAFlatChartLeavesTheFrameFree) {
    QImage image(120, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TChartCanvas3D surface;
    surface.AttachTarget(&painter);
    surface.ClipToCube({10, 10, 100, 80}, 0, 30);
    surface.Brush()->SetColor(clBlack);
    surface.FillRectangle({0, 0, 120, 100});
    surface.AttachTarget(nullptr);
    painter.end();
    // Clipped to (11, 11, 100, 79): columns 11..99, rows 11..78.
    EXPECT_EQ(image.pixel(11, 11), 0xFF000000u);
    EXPECT_EQ(image.pixel(99, 78), 0xFF000000u);
    EXPECT_EQ(image.pixel(10, 40), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(40, 10), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(100, 40), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(40, 79), 0xFFFFFFFFu);
}

TEST_F(CanvasClip, FrontPlaneSavesAndRestoresDepthMode) {
    TView3DOptions options;
    QImage target(10, 10, QImage::Format_RGB32);
    QPainter painter(&target);
    surface_.PrepareSurface(&painter, &options, clWhite, true, {0, 0, 10, 10});
    EXPECT_TRUE(surface_.DepthMode());
    surface_.EnterFrontPlane();
    EXPECT_FALSE(surface_.DepthMode());
    EXPECT_EQ(surface_.ProjectPoint(3, 4, 50), (TPoint{3, 4}));
    surface_.LeaveFrontPlane();
    EXPECT_TRUE(surface_.DepthMode());
    surface_.AttachTarget(nullptr);
}

TEST(CanvasProjection, OrthogonalProjectionShiftsDepthRightAndUp) {
    TView3DOptions options;
    options.SetZoom(200);
    options.SetHorizOffset(3);
    TChartCanvas3D surface;
    surface.ApplyBuffered(false);
    surface.PrepareSurface(nullptr, &options, clWhite, true, {0, 0, 100, 100});
    surface.SetProjection(20, {0, 0, 100, 100}, {10, 20, 31, 41});  // centre (20, 30)
    EXPECT_DOUBLE_EQ(surface.ProjectionZoom(), 2.0);
    // x' = round(2 (x + z - 20)) + 23, y' = round(2 (y - z - 30)) + 30
    EXPECT_EQ(surface.ProjectPoint(25, 30, 5), (TPoint{43, 20}));
    int x = 43, y = 20;
    surface.ScreenToPlane(x, y, 5);
    EXPECT_EQ(x, 25);
    EXPECT_EQ(y, 30);
}

}  // namespace
