// The off-screen buffer of the surface and the 3-D projection set up at the start of a paint.
#include <cmath>
#include <numbers>

#include "chart/canvas.h"
#include "chart/paintbuffer.h"
#include "chart/view3d.h"

namespace {

int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

double Radians(int degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

void TChartCanvas3D::ApplyMonochrome(bool flag) {
    if (monochrome_ == flag) return;
    monochrome_ = flag;
    DiscardBuffer();
    needsRedraw_ = true;
    if (OnRepaintRequest) OnRepaintRequest();
}

void TChartCanvas3D::ApplyBuffered(bool flag) {
    buffered_ = flag;
    if (!flag && buffer_->Image() != nullptr) {
        DiscardBuffer();
        needsRedraw_ = true;
    }
}

void TChartCanvas3D::MarkDirty() {
    needsRedraw_ = true;
}

void TChartCanvas3D::DiscardBuffer() {
    if (IntoBuffer(target_) != nullptr) AttachTarget(nullptr);
    buffer_->Discard();
}

TPaintBuffer* TChartCanvas3D::IntoBuffer(const QPainter* painter) const {
    return buffer_->Holds(painter) ? buffer_.get() : nullptr;
}

const QImage* TChartCanvas3D::Buffer() const {
    return buffer_->Image();
}

TRect TChartCanvas3D::PrepareSurface(QPainter* targetCanvas, TView3DOptions* options, TColor, bool is3D,
                                     const TRect& bounds) {
    lastBounds_ = bounds;
    view3DOptions_ = options;
    depthMode_ = is3D;
    projectOrthogonal_ = false;
    projectionZoom_ = 1.0;
    if (depthMode_ && options != nullptr) {
        projectOrthogonal_ = options->Orthogonal();
        projectionZoom_ = options->Zoom() * 0.01;
        scaleTextWithZoom_ = options->ZoomText();
        cosElevation_ = std::cos(Radians(options->Elevation()));
        sinElevation_ = std::sin(Radians(options->Elevation()));
        cosRotation_ = std::cos(Radians(options->Rotation()));
        sinRotation_ = std::sin(Radians(options->Rotation()));
        cosTilt_ = std::cos(Radians(options->Tilt()));
        sinTilt_ = std::sin(Radians(options->Tilt()));
    }
    if (!buffered_) {
        AttachTarget(targetCanvas);
        return bounds;
    }
    int width = bounds.Width();
    int height = bounds.Height();
    // The buffer may make a new painter: the surface must not hold on to the old one.
    if (IntoBuffer(target_) != nullptr) AttachTarget(nullptr);
    buffer_->Ensure(width, height, ratio_);
    AttachTarget(buffer_->Painter());
    if (target_ != nullptr) {
        // Whatever the last paint left clipped or transformed is gone.
        buffer_->DisableClip();
        target_->resetTransform();
    }
    return {0, 0, width, height};
}

void TChartCanvas3D::PresentImage(QPainter* windowCanvas, QPainter* defaultCanvas, const TRect& rect) {
    if (buffered_ && buffer_->Image() != nullptr) {
        if (windowCanvas != nullptr && IntoBuffer(windowCanvas) == nullptr)
            buffer_->CopyTo(*windowCanvas, {rect.Left, rect.Top}, monochrome_);
        needsRedraw_ = false;
    }
    AttachTarget(defaultCanvas);
}

bool TChartCanvas3D::RepaintFromBuffer() {
    if (needsRedraw_ || buffer_->Image() == nullptr || buffer_->Ratio() != ratio_ || target_ == nullptr ||
        IntoBuffer(target_) != nullptr)
        return false;
    buffer_->CopyTo(*target_, {0, 0}, monochrome_);
    return true;
}

void TChartCanvas3D::SetProjection(int depth, const TRect&, const TRect& chartRect) {
    centreX_ = FloorHalf(chartRect.Left + chartRect.Right);
    centreY_ = FloorHalf(chartRect.Top + chartRect.Bottom);
    centreZ_ = depth / 2;
    projectedX_ = centreX_;
    projectedY_ = centreY_;
    perspectiveFactor_ = 0.0;
    if (view3DOptions_ == nullptr) return;
    projectedX_ += view3DOptions_->HorizOffset();
    projectedY_ += view3DOptions_->VertOffset();
    if (view3DOptions_->Perspective() > 0) perspectiveFactor_ = view3DOptions_->Perspective() / 35000.0;
}

TPoint TChartCanvas3D::Project(int x, int y, int z) const {
    if (!depthMode_) return {x, y};
    if (projectOrthogonal_) {
        return {static_cast<int>(std::nearbyint(projectionZoom_ * (x + z - centreX_))) + projectedX_,
                static_cast<int>(std::nearbyint(projectionZoom_ * (y - z - centreY_))) + projectedY_};
    }
    // Rotation about the vertical axis, then elevation about the horizontal one, then tilt.
    double dx = x - centreX_;
    double dy = y - centreY_;
    double dz = z - centreZ_;
    double rx = dx * cosRotation_ + dz * sinRotation_;
    double rz = -dx * sinRotation_ + dz * cosRotation_;
    double ry = dy * cosElevation_ - rz * sinElevation_;
    double depthTerm = dy * sinElevation_ + rz * cosElevation_;
    double tx = rx * cosTilt_ - ry * sinTilt_;
    double ty = rx * sinTilt_ + ry * cosTilt_;
    double scale = projectionZoom_ * std::max(0.05, 1.0 - perspectiveFactor_ * depthTerm);
    return {static_cast<int>(std::nearbyint(scale * tx)) + projectedX_,
            static_cast<int>(std::nearbyint(scale * ty)) + projectedY_};
}

TPoint TChartCanvas3D::ProjectPoint(int x, int y, int z) const {
    return Project(x, y, z);
}

void TChartCanvas3D::ScreenToPlane(int& x, int& y, int z) const {
    if (!depthMode_ || !projectOrthogonal_ || projectionZoom_ == 0.0) return;
    x = static_cast<int>(std::nearbyint((x - projectedX_) / projectionZoom_)) + centreX_ - z;
    y = static_cast<int>(std::nearbyint((y - projectedY_) / projectionZoom_)) + centreY_ + z;
}
