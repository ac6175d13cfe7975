// The depth-aware operations: flat on a 2-D chart, projected points in 3-D. The solid primitives
// draw the outline of their front face.
#include <QRegion>
#include <climits>
#include <cmath>
#include <numbers>

#include "chart/canvas.h"
#include "chart/paintbuffer.h"
#include "chart/view3d.h"

namespace {

// value + step without overflow.
int Moved(int value, int step) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(value) + step, INT_MIN, INT_MAX));
}

}  // namespace

void TChartCanvas3D::PutPixelZ(int x, int y, int z, TColor colour) {
    TPoint p = Project(x, y, z);
    if (pen_.Width() <= 1) {
        PutPixel(p.X, p.Y, colour);
    } else {
        DrawLine(p.X, p.Y, p.X, p.Y);
    }
}

void TChartCanvas3D::MoveToPointZ(int x, int y, int z) {
    TPoint p = Project(x, y, z);
    MoveToPoint(p.X, p.Y);
}

void TChartCanvas3D::LineToPointZ(int x, int y, int z) {
    TPoint p = Project(x, y, z);
    LineToPoint(p.X, p.Y);
}

void TChartCanvas3D::DrawLineZ(int x0, int y0, int x1, int y1, int z) {
    MoveToPointZ(x0, y0, z);
    LineToPointZ(x1, y1, z);
}

void TChartCanvas3D::DrawHorizontalZ(int x0, int x1, int y, int z) {
    DrawLineZ(x0, y, x1, y, z);
}

void TChartCanvas3D::DrawVerticalZ(int x, int y0, int y1, int z) {
    DrawLineZ(x, y0, x, y1, z);
}

void TChartCanvas3D::DrawDepthLine(int x, int y, int z0, int z1) {
    MoveToPointZ(x, y, z0);
    LineToPointZ(x, y, z1);
}

void TChartCanvas3D::DrawEllipseZ(int x0, int y0, int x1, int y1, int z) {
    if (!depthMode_) return;
    TPoint a = Project(x0, y0, z);
    TPoint b = Project(x1, y1, z);
    DrawEllipse(a.X, a.Y, b.X, b.Y);
}

void TChartCanvas3D::EnterFrontPlane() {
    savedDepthMode_ = depthMode_;
    depthMode_ = false;
}

void TChartCanvas3D::LeaveFrontPlane() {
    depthMode_ = savedDepthMode_;
}

void TChartCanvas3D::ClipToCube(const TRect& rect, int zFront, int zBack) {
    if (!depthMode_) {
        // Off the frame line on every side and off the row just above the bottom one.
        ClipToRect({Moved(rect.Left, 1), Moved(rect.Top, 1), rect.Right, Moved(rect.Bottom, -1)});
        return;
    }
    if (target_ == nullptr) return;
    TPoint frontBottomLeft = Project(rect.Left, rect.Bottom, zFront);
    TPoint backTopRight = Project(rect.Right, rect.Top, zBack);
    const TView3DOptions* options = view3DOptions_;
    if (options != nullptr && options->Elevation() == 270 &&
        (options->Rotation() == 270 || options->Rotation() == 360)) {
        ClipToRect({std::min(frontBottomLeft.X, backTopRight.X), std::min(frontBottomLeft.Y, backTopRight.Y),
                    std::max(frontBottomLeft.X, backTopRight.X),
                    std::max(frontBottomLeft.Y, backTopRight.Y)});
        return;
    }
    QPolygon hull;
    for (TPoint p : {Project(rect.Left, rect.Bottom, zFront), Project(rect.Left, rect.Top, zFront),
                     Project(rect.Left, rect.Top, zBack), Project(rect.Right, rect.Top, zBack),
                     Project(rect.Right, rect.Bottom, zBack), Project(rect.Right, rect.Bottom, zFront)})
        hull << QPoint(p.X, p.Y);
    QTransform previous = target_->worldTransform();
    target_->resetTransform();
    target_->setClipRegion(QRegion(hull), target_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (TPaintBuffer* buffer = IntoBuffer(target_)) buffer->NoteClipOther();
    target_->setWorldTransform(previous);
}

void TChartCanvas3D::DrawProjectedPolygon(std::span<const TPoint> points, int lastIndex, int z) {
    if (!depthMode_) {
        DrawPolygon(points, lastIndex);
        return;
    }
    projected_.clear();
    for (TPoint p : points.first(std::min(points.size(), static_cast<size_t>(std::max(lastIndex + 1, 0)))))
        projected_.push_back(Project(p.X, p.Y, z));
    DrawPolygon(projected_, lastIndex);
}

void TChartCanvas3D::DrawPolygonZ(std::span<const TPoint> points, int lastIndex, int z) {
    DrawProjectedPolygon(points, lastIndex, z);
}

void TChartCanvas3D::DrawRectangleZ(const TRect& rect, int z) {
    const TPoint corners[4] = {
        {rect.Left, rect.Top}, {rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left, rect.Bottom}};
    DrawProjectedPolygon(corners, 3, z);
}

void TChartCanvas3D::DrawPlaneZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z) {
    const TPoint corners[4] = {p1, p2, p3, p4};
    DrawProjectedPolygon(corners, 3, z);
}

void TChartCanvas3D::DrawTriangleZ(TPoint p1, TPoint p2, TPoint p3, int z) {
    const TPoint corners[3] = {p1, p2, p3};
    DrawProjectedPolygon(corners, 2, z);
}

void TChartCanvas3D::PutTextZ(int x, int y, int z, const std::string& text) {
    TPoint p = Project(x, y, z);
    PutText(p.X, p.Y, text);
}

void TChartCanvas3D::PutRotatedTextZ(int x, int y, int z, const std::string& text, int angle) {
    TPoint p = Project(x, y, z);
    PutRotatedText(p.X, p.Y, text, angle);
}

void TChartCanvas3D::DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z) {
    TPoint a = Project(from.X, from.Y, z);
    TPoint b = Project(to.X, to.Y, z);
    double dx = b.X - a.X;
    double dy = b.Y - a.Y;
    double length = std::hypot(dx, dy);
    if (length == 0.0) return;
    double ux = dx / length;
    double uy = dy / length;
    double baseX = b.X - ux * headHeight;
    double baseY = b.Y - uy * headHeight;
    double half = headWidth / 2.0;
    TPoint base{static_cast<int>(std::lround(baseX)), static_cast<int>(std::lround(baseY))};
    DrawLine(a.X, a.Y, base.X, base.Y);
    const TPoint head[3] = {
        b,
        {static_cast<int>(std::lround(baseX - uy * half)), static_cast<int>(std::lround(baseY + ux * half))},
        {static_cast<int>(std::lround(baseX + uy * half)), static_cast<int>(std::lround(baseY - ux * half))}};
    TBrushStyle style = brush_.Style();
    if (!filled) brush_.SetStyle(bsClear);
    DrawPolygon(head, 2);
    brush_.SetStyle(style);
}

void TChartCanvas3D::DrawCube(int left, int top, int right, int bottom, int z0, int, bool) {
    DrawRectangleZ({left, top, right, bottom}, z0);
}

void TChartCanvas3D::DrawCylinder(bool, int left, int top, int right, int bottom, int z0, int, bool) {
    DrawRectangleZ({left, top, right, bottom}, z0);
}

void TChartCanvas3D::DrawPyramid(bool vertical, int left, int top, int right, int bottom, int z0, int, bool) {
    // The front face of a pyramid is a triangle pointing up (vertical) or right.
    if (vertical) {
        DrawTriangleZ({left, bottom}, {(left + right) / 2, top}, {right, bottom}, z0);
    } else {
        DrawTriangleZ({left, top}, {right, (top + bottom) / 2}, {left, bottom}, z0);
    }
}

void TChartCanvas3D::DrawCone(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                              bool dark3D, int) {
    DrawPyramid(vertical, left, top, right, bottom, z0, z1, dark3D);
}

void TChartCanvas3D::DrawSphere(int x, int y, int z, int radius) {
    TPoint c = Project(x, y, z);
    DrawEllipse(c.X - radius, c.Y - radius, c.X + radius, c.Y + radius);
}

void TChartCanvas3D::DrawPieSolid(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int,
                                  double startAngle, double endAngle, bool, bool) {
    TPoint c = Project(xCenter, yCenter, z0);
    auto radial = [&](double degrees) {
        double radians = degrees * std::numbers::pi / 180.0;
        return TPoint{c.X + static_cast<int>(std::lround(xRadius * std::cos(radians))),
                      c.Y - static_cast<int>(std::lround(yRadius * std::sin(radians)))};
    };
    TPoint s = radial(startAngle);
    TPoint e = radial(endAngle);
    DrawPieSlice(c.X - xRadius, c.Y - yRadius, c.X + xRadius, c.Y + yRadius, s.X, s.Y, e.X, e.Y);
}

void TChartCanvas3D::DrawPlaneSolid(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z0, int) {
    DrawPlaneZ(p1, p2, p3, p4, z0);
}

void TChartCanvas3D::DrawQuadSolid(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z0, int) {
    DrawPlaneZ(p1, p2, p3, p4, z0);
}

void TChartCanvas3D::DrawTriangleSolid(TPoint p1, TPoint p2, TPoint p3, int z0, int) {
    DrawTriangleZ(p1, p2, p3, z0);
}

void TChartCanvas3D::DrawFloorRect(int x0, int x1, int y, int z0, int z1) {
    const TPoint corners[4] = {Project(x0, y, z0), Project(x1, y, z0), Project(x1, y, z1),
                               Project(x0, y, z1)};
    DrawPolygon(corners, 3);
}

void TChartCanvas3D::DrawSideRect(int x, int y0, int y1, int z0, int z1) {
    const TPoint corners[4] = {Project(x, y0, z0), Project(x, y0, z1), Project(x, y1, z1),
                               Project(x, y1, z0)};
    DrawPolygon(corners, 3);
}
