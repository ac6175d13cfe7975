#include "chart/pens.h"

namespace {

// Stores a changed value and reports whether it changed.
template <typename T>
bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

void TPen::SetColor(TColor value) {
    if (Store(color_, value)) Changed();
}

void TPen::SetMode(TPenMode value) {
    if (Store(mode_, value)) Changed();
}

void TPen::SetStyle(TPenStyle value) {
    if (Store(style_, value)) Changed();
}

void TPen::SetWidth(int value) {
    if (Store(width_, value)) Changed();
}

void TPen::Assign(const TPen& source) {
    SetColor(source.Color());
    SetMode(source.Mode());
    SetStyle(source.Style());
    SetWidth(source.Width());
}

void TChartPen::SetVisible(bool value) {
    if (Store(visible_, value)) Changed();
}

void TChartPen::SetSmallDots(bool value) {
    if (Store(smallDots_, value)) Changed();
}

void TChartPen::Assign(const TPen& source) {
    if (const auto* chartPen = dynamic_cast<const TChartPen*>(&source)) {
        SetVisible(chartPen->Visible());
        SetSmallDots(chartPen->SmallDots());
    }
    TPen::Assign(source);
}

// The presets set their defaults before the callback is installed, so creation notifies nobody.
TChartHiddenPen::TChartHiddenPen(std::function<void()> onChange) {
    SetVisible(false);
    OnChange = std::move(onChange);
}

TDottedGrayPen::TDottedGrayPen(std::function<void()> onChange) {
    SetColor(clGray);
    SetStyle(psDot);
    OnChange = std::move(onChange);
}

TDarkGrayPen::TDarkGrayPen(std::function<void()> onChange) {
    SetColor(clGray);
    OnChange = std::move(onChange);
}

TChartAxisPen::TChartAxisPen(std::function<void()> onChange) {
    SetWidth(2);
    OnChange = std::move(onChange);
}

TChartArrowPen::TChartArrowPen(std::function<void()> onChange) {
    SetColor(clWhite);
    OnChange = std::move(onChange);
}

void TBrush::SetColor(TColor value) {
    if (Store(color_, value)) Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
    if (Store(style_, value)) Changed();
}

void TBrush::SetBitmap(const QImage& value) {
    if (bitmap_.isNull() && value.isNull()) return;
    bitmap_ = value;
    Changed();
}

void TBrush::Assign(const TBrush& source) {
    SetColor(source.Color());
    SetStyle(source.Style());
    SetBitmap(source.Bitmap());
}

TChartBrush::TChartBrush(std::function<void()> onChange) {
    SetColor(clDefault);
    OnChange = std::move(onChange);
}
