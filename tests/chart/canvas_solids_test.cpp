// The operations no flow of the gear chart reaches, each drawn once on the flat chart: the solid
// depth primitives draw their front face, the floor and side rectangles lie edge-on, the arcs and
// wedges stay within their box; and the background picture behind the panel.
#include <functional>
#include <string>

#include "chart/chart.h"
#include "chart/chartparts.h"
#include "tests/chart/canvas_fixture.h"

namespace {

class CanvasSolids : public CanvasPixels {};

struct TSolidCase {
    std::string Name;
    std::function<void(TChartCanvas3D&)> Draw;
    TRect Ink;  // the box of every pixel drawn, Right and Bottom exclusive
};

TEST_F(CanvasSolids, FlatChartDrawsTheFrontFace) {
    const TPoint a{10, 10}, b{30, 10}, c{30, 20}, d{10, 20};
    const TRect face{10, 10, 31, 21};   // a polygon's outline covers its corners
    const TRect slope{10, 10, 31, 20};  // but Qt leaves out the corner where a sloping edge ends
    const TSolidCase cases[] = {
        {"cube", [](TChartCanvas3D& s) { s.DrawCube(10, 10, 30, 20, 0, 9, true); }, face},
        {"cylinder", [](TChartCanvas3D& s) { s.DrawCylinder(true, 10, 10, 30, 20, 0, 9, true); }, face},
        {"pyramid", [](TChartCanvas3D& s) { s.DrawPyramid(true, 10, 10, 30, 20, 0, 9, false); }, face},
        {"cone", [](TChartCanvas3D& s) { s.DrawCone(false, 10, 10, 30, 20, 0, 9, false, 0); }, face},
        {"plane", [&](TChartCanvas3D& s) { s.DrawPlaneSolid(a, b, c, d, 0, 9); }, face},
        {"quad", [&](TChartCanvas3D& s) { s.DrawQuadSolid(a, b, c, d, 0, 9); }, face},
        {"plane z", [&](TChartCanvas3D& s) { s.DrawPlaneZ(a, b, c, d, 4); }, face},
        {"triangle", [&](TChartCanvas3D& s) { s.DrawTriangleSolid(a, b, c, 0, 9); }, slope},
        {"triangle z", [&](TChartCanvas3D& s) { s.DrawTriangleZ(a, b, c, 4); }, slope},
        {"floor", [](TChartCanvas3D& s) { s.DrawFloorRect(10, 30, 20, 0, 9); }, {10, 20, 31, 21}},
        {"side", [](TChartCanvas3D& s) { s.DrawSideRect(10, 10, 20, 0, 9); }, {10, 10, 11, 21}},
        {"sphere", [](TChartCanvas3D& s) { s.DrawSphere(20, 20, 0, 5); }, {15, 15, 25, 25}},
        {"round rect", [](TChartCanvas3D& s) { s.DrawRoundRect(10, 10, 30, 20, 6, 6); }, {10, 10, 30, 20}},
        // A quarter from the radial at 3 o'clock to the one at 12 o'clock of the box (10, 10)-(30, 30);
        // Qt's arc stops short of the pixel at 3 o'clock.
        {"arc", [](TChartCanvas3D& s) { s.DrawArc(10, 10, 30, 30, 30, 20, 20, 10); }, {20, 10, 29, 20}},
        {"pie slice",
         [](TChartCanvas3D& s) { s.DrawPieSlice(10, 10, 30, 30, 30, 20, 20, 10); },
         {19, 10, 29, 20}},
        {"pie solid",
         [](TChartCanvas3D& s) { s.DrawPieSolid(20, 20, 10, 10, 0, 9, 0, 90, true, true); },
         {19, 10, 29, 20}},
        // The shaft to the head's base, then the head: its tip at (40, 20), 8 wide, 10 long.
        {"arrow",
         [](TChartCanvas3D& s) {
             s.DrawArrow(true, {10, 20}, {40, 20}, 8, 10, 0);
         },
         {10, 16, 41, 25}},
    };
    for (const TSolidCase& solid : cases) {
        Finish();
        image_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&image_);
        surface_.AttachTarget(painter_.get());
        surface_.Pen()->SetColor(clBlack);
        surface_.Brush()->SetColor(clRed);
        surface_.Brush()->SetStyle(bsSolid);
        solid.Draw(surface_);
        EXPECT_EQ(InkBox(), solid.Ink) << solid.Name;
    }
}

TEST(ChartBackImage, IsDrawnBehindThePanelUnlessInside) {
    TChart chart;
    chart.resize(60, 40);
    chart.SetAxisVisible(false);
    chart.Legend()->SetVisible(false);
    chart.Title()->SetVisible(false);
    EXPECT_FALSE(chart.IsPrinting());
    EXPECT_FALSE(chart.Surface()->IntoMetafile());
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    chart.SetBackImage(picture);
    chart.SetBackImageMode(pbmTile);
    EXPECT_EQ(chart.RenderToImage().pixel(1, 1), QColor(Qt::blue).rgb());  // tiled from the corner
    chart.SetBackImageInside(true);
    EXPECT_NE(chart.RenderToImage().pixel(1, 1), QColor(Qt::blue).rgb());
}

}  // namespace
