#include "chart/axislabels.h"

#include <algorithm>
#include <climits>

#include "chart/axis.h"
#include "chart/axisticks.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/datetimetext.h"
#include "chart/numberpattern.h"
#include "chart/series.h"
#include "chart/serieslist.h"
#include "chart/valuelist.h"

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
    const bool acrossLines = IsHorizontal() ? (labelsAngle_ == 90 || labelsAngle_ == 270)
                                            : (labelsAngle_ == 0 || labelsAngle_ == 180);
    int lines = 0;
    const int width = chart_->TextBlockWidth(text, lines);
    return acrossLines ? chart_->Surface()->LineHeight() * TextLineCount(text) : width;
}

double TCustomChartAxis::ComputeLabelStep() {
    // The text of RangeMin first: OnGetAxisLabel sees the two ends in this order.
    const int low = LabelExtent(LabelTextOf(range_.Min()));
    const int high = LabelExtent(LabelTextOf(range_.Max()));
    return StepForLabelSize(std::max(low, high));
}

TAxisTicker TCustomChartAxis::Ticker() const {
    return {Map(), {increment_, labelsSeparation_, isDateTimeAxis_, exactDateTime_, roundFirstLabel_}};
}

double TCustomChartAxis::StepForLabelSize(int size) const {
    return Ticker().StepForLabelSize(size);
}

double TCustomChartAxis::StepForLabelCount(int count) const {
    return Ticker().StepForLabelCount(count);
}

// ---- Label style and texts ----

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const {
    if (labelStyle_ != talAuto) return labelStyle_;
    if (IsDepth()) return talText;
    TAxisLabelStyle result = talNone;
    if (!chart_) return result;
    const TChartSeriesList& list = chart_->SeriesList();
    for (int i = 0; i < list.Count(); ++i) {
        const TChartSeries* series = list.At(i);
        if (!series->Active() || !series->UsesAxis(this)) continue;
        result = talValue;
        const bool labelsHere = IsHorizontal() == series->YIsMain();
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
            return (IsHorizontal() ? series->XValues() : series->YValues())->DateTime();
    }
    return false;
}

std::string TCustomChartAxis::LabelTextOf(double value) const {
    std::string text;
    if (!isDateTimeAxis_) {
        text = FormatNumberPattern(value, axisValuesFormat_, LocaleNumberSeparators());
    } else if (value >= 0) {
        text = FormatDateTimeText(
            value, dateTimeFormat_.empty() ? DateTimePatternForSpan(range_.Span()) : dateTimeFormat_);
    }
    if (chart_ && chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(this, nullptr, -1, text);
    if (labelsMultiLine_) text = BlanksToLineBreaks(std::move(text));
    return text;
}

// ---- Label values ----

void TCustomChartAxis::ForEachLabelValue(double step, const std::function<void(double)>& visit) const {
    if (!CustomLabelValues(visit)) Ticker().ForEachValue(step, visit);
}

bool TCustomChartAxis::CustomLabelValues(const std::function<void(double)>& visit) const {
    if (!chart_ || !chart_->OnGetNextAxisLabel) return false;
    double value = range_.Min();
    bool stop = true;
    // The last label index asked for: a handler that never stops is asked 2001 times.
    constexpr int LastCustomLabelIndex = 2000;
    for (int index = 0; index <= LastCustomLabelIndex; ++index) {
        chart_->OnGetNextAxisLabel(this, index, value, stop);
        if (stop) return index > 0;
        if (!(range_.Min() - 1e-7 <= value && value <= range_.Max() + 1e-7)) return true;
        visit(value);
    }
    return true;
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
        const double value = IsHorizontal() ? series->PointX(index) : series->PointY(index);
        if (!(value >= range_.Min() && value <= range_.Max())) continue;
        const int p = PixelOf(value);
        if (!tickOnLabelsOnly_) tickPositions_->Add(p);
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
    if (!((step > 0 || isDateTimeAxis_) && range_.Max() >= range_.Min())) return;
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (style == talValue) {
        ForEachLabelValue(step, [this](double value) { PlaceValueLabel(value); });
    } else if (style == talMark || style == talText) {
        PlaceSeriesLabels(style);
    }
}

void TCustomChartAxis::PlaceValueLabel(double value) {
    const int p = PixelOf(value);
    if (!labelsOnAxis_ && !(pixels_.Start() < p && p < pixels_.End())) return;
    if (!tickOnLabelsOnly_) tickPositions_->Add(p);
    if (labels_) PlaceLabel(p, LabelTextOf(value));
}
