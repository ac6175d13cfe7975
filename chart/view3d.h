// The options of the three-dimensional view, owned by the chart panel.
#pragma once

#include <functional>

// Each setter stores a changed value and calls OnChange (the panel's repaint request);
// HorizOffset and VertOffset then call OnScrolled (True for the horizontal offset); Zoom calls
// OnZoomChanged before it stores the new value.
class TView3DOptions {
  public:
    TView3DOptions() = default;
    TView3DOptions(const TView3DOptions&) = delete;
    TView3DOptions& operator=(const TView3DOptions&) = delete;

    int Elevation() const { return elevation_; }
    void SetElevation(int value);
    int HorizOffset() const { return horizOffset_; }
    void SetHorizOffset(int value);
    bool Orthogonal() const { return orthogonal_; }
    void SetOrthogonal(bool value);
    int Perspective() const { return perspective_; }
    void SetPerspective(int value);
    int Rotation() const { return rotation_; }
    void SetRotation(int value);
    int Tilt() const { return tilt_; }
    void SetTilt(int value);
    int VertOffset() const { return vertOffset_; }
    void SetVertOffset(int value);
    int Zoom() const { return zoom_; }
    void SetZoom(int value);
    bool ZoomText() const { return zoomText_; }
    void SetZoomText(bool value);

    // Copies every property through the setters.
    void Assign(const TView3DOptions& source);

    std::function<void()> OnChange;
    std::function<void(bool horizontal)> OnScrolled;
    std::function<void()> OnZoomChanged;

  private:
    template <typename T>
    bool Store(T& field, T value) {
        if (field == value) return false;
        field = value;
        if (OnChange) OnChange();
        return true;
    }

    int elevation_ = 345;
    int horizOffset_ = 0;
    bool orthogonal_ = true;
    int perspective_ = 15;
    int rotation_ = 345;
    int tilt_ = 0;
    int vertOffset_ = 0;
    int zoom_ = 100;
    bool zoomText_ = true;
};
