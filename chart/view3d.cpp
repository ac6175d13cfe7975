#include "chart/view3d.h"

void TView3DOptions::SetElevation(int value) {
    Store(elevation_, value);
}

void TView3DOptions::SetHorizOffset(int value) {
    if (Store(horizOffset_, value) && OnScrolled) OnScrolled(true);
}

void TView3DOptions::SetOrthogonal(bool value) {
    Store(orthogonal_, value);
}

void TView3DOptions::SetPerspective(int value) {
    Store(perspective_, value);
}

void TView3DOptions::SetRotation(int value) {
    Store(rotation_, value);
}

void TView3DOptions::SetTilt(int value) {
    Store(tilt_, value);
}

void TView3DOptions::SetVertOffset(int value) {
    if (Store(vertOffset_, value) && OnScrolled) OnScrolled(false);
}

void TView3DOptions::SetZoom(int value) {
    if (zoom_ == value) return;
    if (OnZoomChanged) OnZoomChanged();
    Store(zoom_, value);
}

void TView3DOptions::SetZoomText(bool value) {
    Store(zoomText_, value);
}

void TView3DOptions::Assign(const TView3DOptions& source) {
    SetElevation(source.Elevation());
    SetHorizOffset(source.HorizOffset());
    SetOrthogonal(source.Orthogonal());
    SetPerspective(source.Perspective());
    SetRotation(source.Rotation());
    SetTilt(source.Tilt());
    SetVertOffset(source.VertOffset());
    SetZoom(source.Zoom());
    SetZoomText(source.ZoomText());
}
