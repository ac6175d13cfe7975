// The chart-facing side of a series: repaint requests, attaching, axis resolution, the visible index
// range and the base drawing hooks.
#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/series.h"
#include "chart/serieslist.h"

void TChartSeries::RequestRepaint() const {
    if (parentChart_) parentChart_->RequestRedraw();
}

bool TChartSeries::BeingLoaded() const {
    return IsLoading() || (parentChart_ && parentChart_->IsLoading());
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart) {
    if (parentChart_ == chart) return;
    if (parentChart_) parentChart_->DetachSeries(this);
    parentChart_ = chart;
    ResolveAxes();
    if (chart) chart->AttachSeries(this);
}

void TChartSeries::ResolveAxes() {
    resolvedHorizAxis_ = resolvedVertAxis_ = nullptr;
    if (!parentChart_) return;
    if (horizAxis_ == aTopAxis)
        resolvedHorizAxis_ = parentChart_->TopAxis();
    else if (horizAxis_ == aCustomHorizAxis && customHorizAxis_)
        resolvedHorizAxis_ = customHorizAxis_;
    else
        resolvedHorizAxis_ = parentChart_->BottomAxis();
    if (vertAxis_ == aRightAxis)
        resolvedVertAxis_ = parentChart_->RightAxis();
    else if (vertAxis_ == aCustomVertAxis && customVertAxis_)
        resolvedVertAxis_ = customVertAxis_;
    else
        resolvedVertAxis_ = parentChart_->LeftAxis();
}

bool TChartSeries::UsesAxis(const TCustomChartAxis* axis) const {
    if (!axis || !DrawsOnAxes() || axis->IsDepth()) return false;
    if (axis->IsHorizontal()) return horizAxis_ == aBothHorizAxis || resolvedHorizAxis_ == axis;
    return vertAxis_ == aBothVertAxis || resolvedVertAxis_ == axis;
}

void TChartSeries::ComputeVisibleRange() {
    firstVisible_ = lastVisible_ = -1;
    const int last = PointCount() - 1;
    if (last < 0) return;
    const bool yMain = YIsMain();
    const TChartValueList& list = yMain ? *xValues_ : *yValues_;
    const TCustomChartAxis* axis = yMain ? resolvedHorizAxis_ : resolvedVertAxis_;
    // Without a chart there are no axes to limit the range to.
    if (!limitToVisible_ || list.Order() == loNone || !parentChart_ || !axis) {
        firstVisible_ = 0;
        lastVisible_ = last;
        return;
    }
    const TRect r = parentChart_->PlotRect();
    const bool inverted = axis->Inverted();
    const int lowPixel = yMain ? (inverted ? r.Right : r.Left) : (inverted ? r.Top : r.Bottom);
    const int highPixel = yMain ? (inverted ? r.Left : r.Right) : (inverted ? r.Bottom : r.Top);

    const double low = axis->ValueAtPixel(lowPixel);
    int first = 0;
    while (list.ValueAt(first) < low)
        if (++first > last) return;
    firstVisible_ = first;

    const double high = axis->ValueAtPixel(highPixel);
    if (list.LastValue() <= high) {
        lastVisible_ = last;
        return;
    }
    int lastShown = first;
    while (lastShown < last && list.ValueAt(lastShown) < high) ++lastShown;
    if (!extendPastEdge_ && list.ValueAt(lastShown) > high) --lastShown;
    lastVisible_ = lastShown;
}

void TChartSeries::BeginValues() {
    if (BeforeDrawValues) BeforeDrawValues(this);
}

void TChartSeries::DrawValues() {
    if (firstVisible_ < 0) return;
    if (DrawsBackwards()) {
        for (int i = lastVisible_; i >= firstVisible_; --i) DrawValueAt(i);
    } else {
        for (int i = firstVisible_; i <= lastVisible_; ++i) DrawValueAt(i);
    }
}

void TChartSeries::EndValues() {
    if (AfterDrawValues) AfterDrawValues(this);
}
