#include "chart/axis.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/errors.h"
#include "chart/fonts.h"
#include "chart/pens.h"

namespace {

// Pixel results are kept inside the int range so that a far-off value cannot overflow.
int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

constexpr double LargestPixelOffset = 2147483647.0;

// Natural logarithm of a scale end; an end that is not positive counts as 0.
double LogOfEnd(double end) {
    return end > 0 ? std::log(end) : 0.0;
}

}  // namespace

// Every pixel goes through here: neither nearbyintl (which saves and restores the floating-point
// environment) nor floorl. Within the clamp the truncated part is exact, and so is the fraction left.
int RoundHalfEven(long double value) {
    if (std::isnan(value)) return 0;
    const long double clamped = std::clamp<long double>(value, LLONG_MIN / 2, LLONG_MAX / 2);
    auto rounded = static_cast<long long>(clamped);
    long double fraction = clamped - static_cast<long double>(rounded);
    if (fraction < 0) {
        --rounded;
        fraction += 1;
    }
    if (fraction > 0.5L || (fraction == 0.5L && (rounded & 1) != 0)) ++rounded;
    return ClampToInt(rounded);
}

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

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* chart, bool isHorizontal, bool isOtherSide, bool isDepth,
                                   int defaultTitleAngle)
    : chart_(chart),
      isHorizontal_(isHorizontal),
      isOtherSide_(isOtherSide),
      isDepth_(isDepth),
      defaultTitleAngle_(defaultTitleAngle) {
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
    return chart_ ? chart_->AxisExtreme(const_cast<TCustomChartAxis*>(this), isMin, isHorizontal_) : 0.0;
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
        if (!(rangeMin_ >= 0) || !(rangeMax_ >= 0)) throw AxisException(ChartStrings::AxisLogNegative);
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
    rangeMin_ = value;
    rangeSpan_ = rangeMax_ - rangeMin_;
}

void TCustomChartAxis::SetRangeMax(double value) {
    rangeMax_ = value;
    rangeSpan_ = rangeMax_ - rangeMin_;
}

void TCustomChartAxis::SetStartPixel(int value) {
    StorePixels(value, endPixel_);
}

void TCustomChartAxis::SetEndPixel(int value) {
    StorePixels(startPixel_, value);
}

void TCustomChartAxis::StorePixels(long long start, long long end) {
    startPixel_ = ClampToInt(start);
    endPixel_ = ClampToInt(end);
    // Far-off positions saturate at the int limits; the length and the centre are formed wide.
    lengthPixels_ = ClampToInt(static_cast<long long>(endPixel_) - startPixel_);
    centerPixel_ = static_cast<int>((static_cast<long long>(startPixel_) + endPixel_) / 2);
}

// ---- Scale ----

void TCustomChartAxis::RefreshRange() {
    if (automatic_ || automaticMaximum_) maximum_ = Extreme(false);
    if (automatic_ || automaticMinimum_) minimum_ = Extreme(true);
    rangeMax_ = maximum_;
    rangeMin_ = minimum_;
    rangeSpan_ = rangeMax_ - rangeMin_;
}

void TCustomChartAxis::FitRangeToMargins(int left, int top, int right, int bottom) {
    const int startMargin = isHorizontal_ ? left : top;
    const int endMargin = isHorizontal_ ? right : bottom;
    // Without margins the range stays exactly as it is (also a reversed one).
    if (startMargin == 0 && endMargin == 0) return;
    const int s0 = startPixel_;
    const int e0 = endPixel_;
    StorePixels(static_cast<long long>(s0) + startMargin, static_cast<long long>(e0) - endMargin);
    const bool roomLeft = lengthPixels_ >= 1;
    const double a = ValueAtPixel(s0);
    const double b = ValueAtPixel(e0);
    StorePixels(s0, e0);  // back to the full axis (also without a chart)
    ComputePositions();
    // Margins that leave no pixel between them would collapse the scale to 0: it stays as it is.
    if (!roomLeft) return;
    rangeMin_ = std::min(a, b);
    rangeMax_ = std::max(a, b);
    rangeSpan_ = rangeMax_ - rangeMin_;
}

void TCustomChartAxis::ComputePositions() {
    if (!chart_) return;
    const TRect plot = chart_->PlotRect();
    const long long base = isHorizontal_ ? plot.Left : plot.Top;
    const int size = isHorizontal_ ? chart_->PlotWidth() : chart_->PlotHeight();
    StorePixels(base + RoundHalfEven(size * 0.01L * startPosition_),
                base + RoundHalfEven(size * 0.01L * endPosition_));
}

// ---- Mapping ----

std::optional<long long> TCustomChartAxis::ScaleOffset(double value) const {
    double t = 0;
    if (logarithmic_) {
        const double logMin = LogOfEnd(rangeMin_);
        const double logSpan = LogOfEnd(rangeMax_) - logMin;
        if (logSpan == 0) return std::nullopt;
        if (!(value > 0)) return 0;  // the low end of the scale
        t = static_cast<double>((std::log(value) - logMin) * static_cast<long double>(lengthPixels_) /
                                logSpan);
    } else {
        if (rangeSpan_ == 0) return std::nullopt;
        t = static_cast<double>((static_cast<long double>(value) - rangeMin_) * lengthPixels_ / rangeSpan_);
    }
    if (!(std::fabs(t) < LargestPixelOffset)) return std::nullopt;
    return RoundHalfEven(t);
}

int TCustomChartAxis::XPixelOf(double value) const {
    const auto offset = ScaleOffset(value);
    if (!offset) return centerPixel_;
    return ClampToInt(inverted_ ? endPixel_ - *offset : startPixel_ + *offset);
}

int TCustomChartAxis::YPixelOf(double value) const {
    const auto offset = ScaleOffset(value);
    if (!offset) return centerPixel_;
    return ClampToInt(inverted_ ? startPixel_ + *offset : endPixel_ - *offset);
}

double TCustomChartAxis::ValueAtPixel(int pixel) const {
    if (lengthPixels_ < 1) return 0;
    // Pixels from the start of the axis, or from its end when inverted.
    const long long along =
        inverted_ ? endPixel_ - static_cast<long long>(pixel) : pixel - static_cast<long long>(startPixel_);
    if (!logarithmic_) {
        // Horizontal axes count up from RangeMin, vertical ones down from RangeMax, so that the
        // pixel of that end gives the end exactly.
        const double d = static_cast<double>(along * static_cast<long double>(rangeSpan_) / lengthPixels_);
        return isHorizontal_ ? rangeMin_ + d : rangeMax_ - d;
    }
    // Offset of the pixel from the pixel of RangeMin.
    const long long offset = isHorizontal_ ? along : lengthPixels_ - along;
    const double logMin = LogOfEnd(rangeMin_);
    const double logSpan = LogOfEnd(rangeMax_) - logMin;
    if (logSpan == 0 || offset == 0) return rangeMin_;
    if (offset == lengthPixels_) return rangeMax_;
    return std::exp(logMin + static_cast<double>(offset) * logSpan / lengthPixels_);
}

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

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* chart) : TCustomChartAxis(chart, false, true, true, 0) {
    SetVisible(false);
}

std::unique_ptr<TChartAxis> NewSideAxis(TCustomAxisPanel* chart, int index) {
    switch (index) {
        case 0:
            return std::make_unique<TChartAxis>(chart, true, false, false, 0);
        case 1:
            return std::make_unique<TChartAxis>(chart, true, true, false, 0);
        case 2:
            return std::make_unique<TChartAxis>(chart, false, false, false, 90);
        default:
            return std::make_unique<TChartAxis>(chart, false, true, false, 270);
    }
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
