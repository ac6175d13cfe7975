#include "chart/axis.h"

#include <algorithm>
#include <utility>

#include "chart/axisticks.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/errors.h"
#include "chart/fonts.h"
#include "chart/pens.h"

// ---- Title ----

TChartAxisTitle::TChartAxisTitle(TCustomChartAxis* axis)
    : axis_(axis),
      angle_(axis->DefaultTitleAngle()),
      font_(std::make_unique<TFont>(NewDefaultFont([axis] { axis->Repaint(); }))) {}

TChartAxisTitle::~TChartAxisTitle() = default;

void TChartAxisTitle::SetAngle(int angle) {
    TChartCanvas::ValidateAngle(angle, ChartStrings::AxisTitleDescription);
    if (angle_ == angle) return;
    angle_ = angle;
    axis_->Repaint();
}

void TChartAxisTitle::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    axis_->Repaint();
}

void TChartAxisTitle::SetFont(const TFont& font) {
    font_->Assign(font);
}

// ---- Axis ----

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* chart, TAxisSide side)
    : chart_(chart), side_(side), tickPositions_(std::make_unique<TickPositions>()) {
    auto repaint = [this] { Repaint(); };
    axisPen_ = std::make_unique<TChartAxisPen>(repaint);
    grid_ = std::make_unique<TDottedGrayPen>(repaint);
    labelsFont_ = std::make_unique<TFont>(NewDefaultFont(repaint));
    minorGrid_ = std::make_unique<TChartHiddenPen>(repaint);
    minorTicks_ = std::make_unique<TDarkGrayPen>(repaint);
    ticks_ = std::make_unique<TDarkGrayPen>(repaint);
    ticksInner_ = std::make_unique<TDarkGrayPen>(repaint);
    title_ = std::make_unique<TChartAxisTitle>(this);
}

TCustomChartAxis::~TCustomChartAxis() = default;

void TCustomChartAxis::Repaint() const {
    if (chart_) chart_->RequestRedraw();
}

bool TCustomChartAxis::ChartIsLoading() const {
    return chart_ && chart_->IsLoading();
}

double TCustomChartAxis::Extreme(bool isMin) const {
    return chart_ ? chart_->AxisExtreme(this, isMin, IsHorizontal()) : 0.0;
}

void TCustomChartAxis::SetAutomatic(bool value) {
    bool changed = automatic_ != value;
    automatic_ = value;
    if (!ChartIsLoading()) {
        changed = changed || automaticMinimum_ != value || automaticMaximum_ != value;
        automaticMinimum_ = automaticMaximum_ = value;
    }
    if (changed) Repaint();
}

void TCustomChartAxis::SetAutomaticMaximum(bool value) {
    const bool before = automatic_;
    const bool changed = automaticMaximum_ != value;
    automaticMaximum_ = value;
    if (!value)
        automatic_ = false;
    else if (automaticMinimum_)
        automatic_ = true;
    if (changed || before != automatic_) Repaint();
}

void TCustomChartAxis::SetAutomaticMinimum(bool value) {
    const bool before = automatic_;
    const bool changed = automaticMinimum_ != value;
    automaticMinimum_ = value;
    if (!value)
        automatic_ = false;
    else if (automaticMaximum_)
        automatic_ = true;
    if (changed || before != automatic_) Repaint();
}

void TCustomChartAxis::SetAxis(const TChartPen& pen) {
    axisPen_->Assign(pen);
}
void TCustomChartAxis::SetAxisValuesFormat(const std::string& value) {
    Change(axisValuesFormat_, value);
}
void TCustomChartAxis::SetDateTimeFormat(const std::string& value) {
    Change(dateTimeFormat_, value);
}
void TCustomChartAxis::SetExactDateTime(bool value) {
    Change(exactDateTime_, value);
}
void TCustomChartAxis::SetGrid(const TChartPen& pen) {
    grid_->Assign(pen);
}
void TCustomChartAxis::SetGridCentered(bool value) {
    Change(gridCentered_, value);
}

void TCustomChartAxis::SetIncrement(double value) {
    if (!(value >= 0)) throw AxisException(ChartStrings::AxisIncrement);
    Change(increment_, value);
}

void TCustomChartAxis::SetInverted(bool value) {
    Change(inverted_, value);
}
void TCustomChartAxis::SetLabels(bool value) {
    Change(labels_, value);
}

void TCustomChartAxis::SetLabelsAngle(int value) {
    TChartCanvas::ValidateAngle(value, ChartStrings::AxisLabelsDescription);
    Change(labelsAngle_, value);
}

void TCustomChartAxis::SetLabelsFont(const TFont& font) {
    labelsFont_->Assign(font);
}
void TCustomChartAxis::SetLabelsMultiLine(bool value) {
    Change(labelsMultiLine_, value);
}
void TCustomChartAxis::SetLabelsOnAxis(bool value) {
    Change(labelsOnAxis_, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value) {
    if (value < 0) throw AxisException(ChartStrings::AxisLabelsSeparation);
    Change(labelsSeparation_, value);
}

void TCustomChartAxis::SetLabelsSize(int value) {
    Change(labelsSize_, value);
}
void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value) {
    Change(labelStyle_, value);
}

void TCustomChartAxis::SetLogarithmic(bool value) {
    if (value && !logarithmic_) {
        if (ShowsDateTime()) throw AxisException(ChartStrings::AxisLogDateTime);
        RefreshRange();
        if (!(range_.Min() >= 0) || !(range_.Max() >= 0)) throw AxisException(ChartStrings::AxisLogNegative);
    }
    Change(logarithmic_, value);
}

void TCustomChartAxis::SetLogarithmicBase(int value) {
    // The message asks for a base greater than 2.
    if (value <= 2) throw AxisException(ChartStrings::AxisLogBase);
    Change(logarithmicBase_, value);
}

void TCustomChartAxis::SetMaximum(double value) {
    if (!ChartIsLoading() && value < minimum_) throw AxisException(ChartStrings::AxisMaximum);
    Change(maximum_, value);
}

void TCustomChartAxis::SetMinimum(double value) {
    if (!ChartIsLoading() && value > maximum_) throw AxisException(ChartStrings::AxisMinimum);
    Change(minimum_, value);
}

void TCustomChartAxis::SetMinorGrid(const TChartPen& pen) {
    minorGrid_->Assign(pen);
}
void TCustomChartAxis::SetMinorTickCount(int value) {
    Change(minorTickCount_, value);
}
void TCustomChartAxis::SetMinorTickLength(int value) {
    Change(minorTickLength_, value);
}
void TCustomChartAxis::SetMinorTicks(const TChartPen& pen) {
    minorTicks_->Assign(pen);
}
void TCustomChartAxis::SetStartPosition(double value) {
    Change(startPosition_, value);
}
void TCustomChartAxis::SetEndPosition(double value) {
    Change(endPosition_, value);
}
void TCustomChartAxis::SetPositionPercent(double value) {
    Change(positionPercent_, value);
}
void TCustomChartAxis::SetRoundFirstLabel(bool value) {
    Change(roundFirstLabel_, value);
}
void TCustomChartAxis::SetTickInnerLength(int value) {
    Change(tickInnerLength_, value);
}
void TCustomChartAxis::SetTickLength(int value) {
    Change(tickLength_, value);
}
void TCustomChartAxis::SetTickOnLabelsOnly(bool value) {
    Change(tickOnLabelsOnly_, value);
}
void TCustomChartAxis::SetTicks(const TChartPen& pen) {
    ticks_->Assign(pen);
}
void TCustomChartAxis::SetTicksInner(const TChartPen& pen) {
    ticksInner_->Assign(pen);
}
void TCustomChartAxis::SetTitleSize(int value) {
    Change(titleSize_, value);
}
void TCustomChartAxis::SetVisible(bool value) {
    Change(visible_, value);
}

// ---- Run-time state ----

void TCustomChartAxis::SetRangeMin(double value) {
    range_ = TAxisRange(value, range_.Max());
}

void TCustomChartAxis::SetRangeMax(double value) {
    range_ = TAxisRange(range_.Min(), value);
}

void TCustomChartAxis::SetStartPixel(int value) {
    pixels_ = TAxisPixels(value, pixels_.End());
}

void TCustomChartAxis::SetEndPixel(int value) {
    pixels_ = TAxisPixels(pixels_.Start(), value);
}

// ---- Scale ----

void TCustomChartAxis::RefreshRange() {
    if (automatic_ || automaticMaximum_) maximum_ = Extreme(false);
    if (automatic_ || automaticMinimum_) minimum_ = Extreme(true);
    range_ = TAxisRange(minimum_, maximum_);
}

void TCustomChartAxis::FitRangeToMargins(int left, int top, int right, int bottom) {
    const int startMargin = IsHorizontal() ? left : top;
    const int endMargin = IsHorizontal() ? right : bottom;
    // Without margins the range stays exactly as it is (also a reversed one).
    if (startMargin == 0 && endMargin == 0) return;
    const TAxisPixels full = pixels_;
    pixels_ = TAxisPixels(static_cast<long long>(full.Start()) + startMargin,
                          static_cast<long long>(full.End()) - endMargin);
    const bool roomLeft = pixels_.Length() >= 1;
    const double a = ValueAtPixel(full.Start());
    const double b = ValueAtPixel(full.End());
    pixels_ = full;  // back to the full axis (also without a chart)
    ComputePositions();
    // Margins that leave no pixel between them would collapse the scale to 0: it stays as it is.
    if (!roomLeft) return;
    range_ = TAxisRange(std::min(a, b), std::max(a, b));
}

void TCustomChartAxis::ComputePositions() {
    if (!chart_) return;
    const TRect plot = chart_->PlotRect();
    const long long base = IsHorizontal() ? plot.Left : plot.Top;
    const int size = IsHorizontal() ? chart_->PlotWidth() : chart_->PlotHeight();
    pixels_ = TAxisPixels(base + RoundHalfEven(size * 0.01L * startPosition_),
                          base + RoundHalfEven(size * 0.01L * endPosition_));
}

// ---- Mapping ----

// ---- Range changes ----

void TCustomChartAxis::SetRange(double min, double max) {
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    if (min > max) std::swap(min, max);
    minimum_ = min;
    maximum_ = max;
    if (maximum_ - minimum_ < 1e-10) maximum_ = minimum_ + 1e-10;
    Repaint();
}

void TCustomChartAxis::ShiftRange(bool checkLimits, double delta) {
    if (checkLimits) {
        const bool towardsData =
            (delta > 0 && Extreme(false) > maximum_) || (delta < 0 && Extreme(true) < minimum_);
        if (!towardsData) return;
    }
    automatic_ = automaticMaximum_ = automaticMinimum_ = false;
    maximum_ += delta;
    minimum_ += delta;
    Repaint();
}

// ---- Axis classes ----

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* chart) : TCustomChartAxis(chart, asDepth) {
    SetVisible(false);
}

void ShiftAxesForWheelNotches(TCustomAxisPanel& chart, int notches) {
    for (TCustomChartAxis* axis : chart.AxisList()) {
        if (axis->IsHorizontal() || axis->IsDepth()) continue;
        const double d = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
        // A shift keeps the span, so each notch of a turn moves by the same d: all at once, so that no
        // turn however large takes longer than one notch (times -1 or 1, d stays exact).
        axis->ShiftRange(false, -static_cast<double>(notches) * d);
    }
}
