#include "chart/axislabels.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "chart/axis.h"
#include "chart/axispaint.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/datetimetext.h"
#include "chart/numberpattern.h"
#include "chart/series.h"
#include "chart/serieslist.h"
#include "chart/valuelist.h"

double NextNiceStep(double x) {
    if (!(x > 0) || !std::isfinite(x)) return x;
    // Bring x into [1, 10) as the recursive definition does, undoing the scaling step by step after.
    int ups = 0;
    int downs = 0;
    while (x >= 10) {
        x = static_cast<double>(static_cast<long double>(x) * 0.1L);
        ++ups;
    }
    while (x < 1) {
        x = x * 10;
        ++downs;
    }
    double result = x < 2 ? 2 : (x < 5 ? 5 : 10);
    for (; downs > 0; --downs) result = static_cast<double>(static_cast<long double>(result) * 0.1L);
    for (; ups > 0; --ups) result = result * 10;
    return result;
}

int TextLineCount(const std::string& text) {
    const auto separators = std::count(text.begin(), text.end(), '\r');
    const bool tail = !text.empty() && text.back() != '\r';
    return static_cast<int>(separators) + (tail ? 1 : 0);
}

std::string BlanksToLineBreaks(std::string text) {
    std::replace(text.begin(), text.end(), ' ', '\r');
    return text;
}

// ---- Label step ----

int TCustomChartAxis::LabelExtent(const std::string& text) const {
    if (!chart_) return 0;
    const bool acrossLines = isHorizontal_ ? (labelsAngle_ == 90 || labelsAngle_ == 270)
                                           : (labelsAngle_ == 0 || labelsAngle_ == 180);
    int lines = 0;
    const int width = chart_->TextBlockWidth(text, lines);
    return acrossLines ? chart_->Surface()->LineHeight() * TextLineCount(text) : width;
}

double TCustomChartAxis::ComputeLabelStep() {
    // The text of RangeMin first: OnGetAxisLabel sees the two ends in this order.
    const int low = LabelExtent(LabelTextOf(rangeMin_));
    const int high = LabelExtent(LabelTextOf(rangeMax_));
    return StepForLabelSize(std::max(low, high));
}

double TCustomChartAxis::StepForLabelSize(int size) const {
    int count = 1;
    if (size > 0) {
        long long room = size;
        if (labelsSeparation_ > 0) room += RoundHalfEven(labelsSeparation_ * 0.01L * size);
        count = RoundHalfEven(lengthPixels_ * 1.0L / room);
    }
    return StepForLabelCount(count);
}

double TCustomChartAxis::StepForLabelCount(int count) const {
    if (count < 1) return isDateTimeAxis_ ? OneSecond : 1e-12;
    if (isDateTimeAxis_) return DateTimeStep(increment_, rangeSpan_, count);
    double step = increment_ > 0 ? increment_ : (std::fabs(rangeSpan_) >= 1 ? 1.0 : 1e-12);
    if (labelsSeparation_ > 0) step = StepFromSearch(step, count);
    return std::max(step, 1e-12);
}

double TCustomChartAxis::StepFromSearch(double step, int count) const {
    long long n = static_cast<long long>(count) + 1;
    // The step only climbs the ladder; a span that is not finite would climb it for ever.
    while (n > count && std::isfinite(step)) {
        const double q = rangeSpan_ / step;
        if (std::fabs(q) < 2147483647.0) {
            n = RoundHalfEven(q);
            if (n > count) step = NextNiceStep(step);
        } else {
            step = NextNiceStep(step);
        }
    }
    return step;
}

// ---- Label style and texts ----

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const {
    if (labelStyle_ != talAuto) return labelStyle_;
    if (isDepth_) return talText;
    TAxisLabelStyle result = talNone;
    if (!chart_) return result;
    const TChartSeriesList& list = chart_->SeriesList();
    for (int i = 0; i < list.Count(); ++i) {
        const TChartSeries* series = list.At(i);
        if (!series->Active() || !series->UsesAxis(this)) continue;
        result = talValue;
        const bool labelsHere = isHorizontal_ == series->YIsMain();
        if (labelsHere && series->PointLabelCount() > 0 && !series->PointLabel(0).empty()) return talText;
    }
    return result;
}

bool TCustomChartAxis::ShowsDateTime() const {
    if (!chart_) return false;
    const TChartSeriesList& list = chart_->SeriesList();
    for (int i = 0; i < list.Count(); ++i) {
        const TChartSeries* series = list.At(i);
        if (series->Active() && series->UsesAxis(this))
            return (isHorizontal_ ? series->XValues() : series->YValues())->DateTime();
    }
    return false;
}

std::string TCustomChartAxis::LabelTextOf(double value) const {
    std::string text;
    if (!isDateTimeAxis_) {
        text = FormatNumberPattern(value, axisValuesFormat_, LocaleNumberSeparators());
    } else if (value >= 0) {
        text = FormatDateTimeText(
            value, dateTimeFormat_.empty() ? DateTimePatternForSpan(rangeSpan_) : dateTimeFormat_);
    }
    if (chart_ && chart_->OnGetAxisLabel)
        chart_->OnGetAxisLabel(const_cast<TCustomChartAxis*>(this), nullptr, -1, text);
    if (labelsMultiLine_) text = BlanksToLineBreaks(std::move(text));
    return text;
}

// ---- Label values ----

void TCustomChartAxis::ForEachLabelValue(double step, const std::function<void(double)>& visit) const {
    if (CustomLabelValues(visit)) return;
    if (logarithmic_ && increment_ == 0)
        LogLabelValues(visit);
    else
        DefaultLabelValues(step, visit);
}

bool TCustomChartAxis::CustomLabelValues(const std::function<void(double)>& visit) const {
    if (!chart_ || !chart_->OnGetNextAxisLabel) return false;
    double value = rangeMin_;
    bool stop = true;
    auto* self = const_cast<TCustomChartAxis*>(this);
    for (int index = 0; index <= 2000; ++index) {
        chart_->OnGetNextAxisLabel(self, index, value, stop);
        if (stop) return index > 0;
        if (!(rangeMin_ - 1e-7 <= value && value <= rangeMax_ + 1e-7)) return true;
        visit(value);
    }
    return true;
}

void TCustomChartAxis::LogLabelValues(const std::function<void(double)>& visit) const {
    if (rangeMin_ == rangeMax_) return;
    double low = rangeMin_;
    double value;
    if (low > 0) {
        const double exponent = std::log(low) / std::log(static_cast<double>(logarithmicBase_));
        value = std::pow(static_cast<double>(logarithmicBase_), RoundHalfEven(exponent));
    } else {
        low = low < 0 ? 1e-10 : 0.1;
        value = low;
    }
    // The value grows by the base each time; an infinite end must not keep the walk going.
    for (; value <= rangeMax_ && std::isfinite(value); value *= logarithmicBase_) {
        if (value >= low) visit(value);
    }
}

void TCustomChartAxis::DefaultLabelValues(double step, const std::function<void(double)>& visit) const {
    if (!(std::fabs(rangeSpan_ / step) < 10000)) return;
    double value = rangeMax_;
    if (isDateTimeAxis_ && exactDateTime_) {
        value = DateTimeFirstLabel(rangeMax_, step);
    } else if (rangeMin_ != rangeMax_ && roundFirstLabel_) {
        // Quotients beyond the 64-bit range are truncated as floating-point numbers.
        value = std::trunc(rangeMax_ / step) * step;
    }
    const auto previous = [&](double v) {
        return isDateTimeAxis_ ? PreviousDateTimeLabel(v, step, exactDateTime_) : v - step;
    };
    for (int guard = 0; value > rangeMax_ && guard < 2; ++guard) value = previous(value);
    // Just below RangeMin, so that a label exactly at RangeMin is kept (negative minima included).
    const long double low = rangeMin_ - 1e-12L;
    const double limit = static_cast<double>(rangeMin_ >= 0 ? low / 1.000000000001L : low * 1.000000000001L);
    while (value >= limit) {
        visit(value);
        const double next = previous(value);
        if (!(next < value)) break;  // the step is lost in the value's precision
        value = next;
    }
}

// ---- Series labels ----

void TCustomChartAxis::PlaceSeriesLabels(TAxisLabelStyle style) {
    std::vector<TChartSeries*> taken;
    const TChartSeriesList& list = chart_->SeriesList();
    int first = INT_MAX;
    int last = -1;
    for (int i = 0; i < list.Count(); ++i) {
        TChartSeries* series = list.At(i);
        if (!series->Active() || !series->UsesAxis(this) || series->PointLabelCount() == 0) continue;
        series->ComputeVisibleRange();
        taken.push_back(series);
        if (series->FirstVisible() >= 0) first = std::min(first, series->FirstVisible());
        last = std::max(last, series->LastVisible());
    }
    int placedPixel = 0;
    int placedHalf = 0;
    bool placedAny = false;
    for (int index = first; index <= last; ++index) {
        auto owner = std::find_if(taken.begin(), taken.end(), [index](const TChartSeries* s) {
            return s->PointLabelCount() > index && s->PointCount() > index;
        });
        if (owner == taken.end()) continue;
        TChartSeries* series = *owner;
        std::string text = series->PointLabel(index);
        if (style == talMark && series->OnGetMarkText) series->OnGetMarkText(series, index, text);
        if (chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(this, series, index, text);
        const double value = isHorizontal_ ? series->PointX(index) : series->PointY(index);
        if (!(value >= rangeMin_ && value <= rangeMax_)) continue;
        const int p = PixelOf(value);
        if (!tickOnLabelsOnly_) ticksInPaint_->Add(p);
        if (!labels_) continue;
        const int e = LabelExtent(text);
        if (!placedAny || labelsSeparation_ == 0) {
            placedHalf = e / 2;
        } else {
            const int h = static_cast<int>((e + static_cast<long long>(e * 0.02 * labelsSeparation_)) / 2);
            const bool clear =
                p >= placedPixel ? p - h >= placedPixel + placedHalf : p + h <= placedPixel - placedHalf;
            if (!clear) continue;
            placedHalf = h;
        }
        placedPixel = p;
        placedAny = true;
        PlaceLabel(p, text);
    }
}

void TCustomChartAxis::RunLabelPass(double step) {
    if (!((step > 0 || isDateTimeAxis_) && rangeMax_ >= rangeMin_)) return;
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (style == talValue) {
        ForEachLabelValue(step, [this](double value) { PlaceValueLabel(value); });
    } else if (style == talMark || style == talText) {
        PlaceSeriesLabels(style);
    }
}

void TCustomChartAxis::PlaceValueLabel(double value) {
    const int p = PixelOf(value);
    if (!labelsOnAxis_ && !(startPixel_ < p && p < endPixel_)) return;
    if (!tickOnLabelsOnly_) ticksInPaint_->Add(p);
    if (labels_) PlaceLabel(p, LabelTextOf(value));
}
