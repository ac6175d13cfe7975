#include "chart/serieslist.h"

#include <algorithm>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/errors.h"
#include "chart/series.h"

TChartSeries* TChartSeriesList::At(int index) const {
    if (index < 0 || index >= Count()) throw EListError(FormatMessage(ChartStrings::ListIndexError, index));
    return items_[static_cast<size_t>(index)];
}

int TChartSeriesList::IndexOf(const TChartSeries* series) const {
    const auto it = std::find(items_.begin(), items_.end(), series);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TChartSeriesList::ActiveSeriesCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](auto* s) { return s->Active(); }));
}

void TChartSeriesList::RequestRedraw() const {
    if (owner_) owner_->RequestRedraw();
}

void TChartSeriesList::Attach(TChartSeries* series) {
    if (!series || IndexOf(series) >= 0) return;
    // A series belongs to one chart at a time.
    if (series->ParentChart() && series->ParentChart() != owner_) series->ParentChart()->DetachSeries(series);
    if (series->SeriesColor() == clDefault) series->SetSeriesColor(PickFreeSeriesColor(true));
    series->StoreParentChart(owner_);
    series->ResolveAxes();
    series->CheckDataSource();
    items_.push_back(series);
    RequestRedraw();
}

void TChartSeriesList::Detach(TChartSeries* series) {
    const int index = IndexOf(series);
    if (index < 0) return;
    series->LeaveSources(false);
    series->StoreParentChart(nullptr);
    series->ResolveAxes();
    items_.erase(items_.begin() + index);
    RequestRedraw();
}

void TChartSeriesList::DestroyAll() {
    while (!items_.empty()) {
        TChartSeries* series = items_.front();
        Detach(series);
        delete series;
    }
}

bool TChartSeriesList::NoActiveSeriesOn(const TCustomChartAxis* axis) const {
    return std::none_of(items_.begin(), items_.end(),
                        [axis](auto* s) { return s->Active() && s->UsesAxis(axis); });
}

TChartSeries* TChartSeriesList::FirstSeriesOn(const TCustomChartAxis* axis) const {
    const bool anyActive = !NoActiveSeriesOn(axis);
    for (TChartSeries* s : items_)
        if (s->UsesAxis(axis) && (s->Active() || !anyActive)) return s;
    return nullptr;
}

bool TChartSeriesList::ColorInUse(TColor colour) const {
    return std::any_of(items_.begin(), items_.end(),
                       [colour](auto* s) { return s->SeriesColor() == colour; });
}

TColor TChartSeriesList::PickFreeSeriesColor(bool checkBackground) const {
    for (int i = 0; i < 16; ++i) {
        const TColor colour = TChartSeries::PaletteColor(i);
        const bool free = owner_ ? owner_->ColorIsFree(colour, checkBackground) : !ColorInUse(colour);
        if (free) return colour;
    }
    return TChartSeries::PaletteColor(16);
}

double TChartSeriesList::AxisExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const {
    if (!axis) return 0.0;
    if (axis->IsDepth()) return DepthExtreme(axis, isMin);
    if (maxPointsPerPage_ > 0) {
        const TChartSeries* first = FirstSeriesOn(axis);
        const bool alongOrder = isX ? (!first || first->YIsMain()) : (first && !first->YIsMain());
        if (alongOrder) return PagedExtreme(axis, isMin, isX);
    }
    return UnpagedExtreme(axis, isMin, isX);
}

double TChartSeriesList::DepthExtreme(const TCustomChartAxis* axis, bool isMin) const {
    if (axis->EffectiveLabelStyle() != talValue)
        return isMin ? -0.5 : (owner_ ? owner_->MaxZOrder() : 0) + 0.5;
    for (const TChartSeries* s : items_)
        if (s->Active()) return s->ZOrder();
    return 0.0;
}

double TChartSeriesList::UnpagedExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const {
    const bool noActive = NoActiveSeriesOn(axis);
    double result = 0.0;
    bool found = false;
    for (const TChartSeries* s : items_) {
        if (!(s->Active() || noActive) || s->PointCount() == 0) continue;
        const bool onAxis = isX ? (s->HorizAxis() == aBothHorizAxis || s->ResolvedHorizAxis() == axis)
                                : (s->VertAxis() == aBothVertAxis || s->ResolvedVertAxis() == axis);
        if (!onAxis) continue;
        const double v =
            isX ? (isMin ? s->LowestX() : s->HighestX()) : (isMin ? s->LowestY() : s->HighestY());
        if (!found || (isMin && v < result) || (!isMin && v > result)) result = v;
        found = true;
    }
    return result;
}

// Only the first series on the axis counts: the extremes of the points on the current page.
double TChartSeriesList::PagedExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const {
    const TChartSeries* s = FirstSeriesOn(axis);
    const int n = s ? s->PointCount() : 0;
    if (n == 0) return 0.0;
    const int p = maxPointsPerPage_;
    int first = p * (page_ - 1);
    if (first >= n) first = std::max(0, n / p - 1) * p;
    int last = first + p - 1;
    if (last >= n) last = first + (n % p) - 1;
    const TChartValueList& list = isX ? *s->XValues() : *s->YValues();
    const double low = list.ValueAt(first);
    if (isMin) return low;
    const double high = list.ValueAt(last);
    const int shown = last - first + 1;
    if (!scaleLastPage_ && shown < p) return low + (high - low) * p / shown;
    return high;
}

int TChartSeriesList::PagesOn(const TCustomChartAxis* axis) const {
    int count = 0;
    for (const TChartSeries* s : items_)
        if (s->Active() && s->UsesAxis(axis)) count = std::max(count, s->PointCount());
    if (count == 0) return 1;
    return (count - 1) / maxPointsPerPage_ + 1;  // ceil without overflow for a huge page size
}

int TChartSeriesList::PageCount() const {
    if (maxPointsPerPage_ < 1 || items_.empty() || !owner_) return 1;
    if (items_.front()->YIsMain()) return std::max(PagesOn(owner_->TopAxis()), PagesOn(owner_->BottomAxis()));
    return std::max(PagesOn(owner_->LeftAxis()), PagesOn(owner_->RightAxis()));
}

void TChartSeriesList::SetPage(int value) {
    value = std::max(1, std::min(value, PageCount()));
    if (value == page_) return;
    page_ = value;
    RequestRedraw();
    if (owner_ && owner_->OnPageChange) owner_->OnPageChange(owner_);
}

void TChartSeriesList::SetMaxPointsPerPage(int value) {
    if (value < 0) throw ChartException(ChartStrings::MaxPointsPerPage);
    if (value != maxPointsPerPage_) {
        maxPointsPerPage_ = value;
        RequestRedraw();
    }
    if (PageCount() < page_) SetPage(PageCount());
}

void TChartSeriesList::SetScaleLastPage(bool value) {
    if (value == scaleLastPage_) return;
    scaleLastPage_ = value;
    RequestRedraw();
}
