// Dependent series: data sources, change notification, copying points from a source, loading and
// destruction of a series.
#include <algorithm>
#include <unordered_set>

#include "chart/errors.h"
#include "chart/series.h"

namespace {

template <typename T, typename U>
bool Contains(const std::vector<T>& items, const U* item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

template <typename T, typename U>
void EraseItem(std::vector<T>& items, const U* item) {
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

TChartSeries::~TChartSeries() {
    LeaveSources(true);
    // Every series that uses this one drops it and re-reads what remains of its sources; a detached
    // one is not among the dependents but still lists this series.
    const std::vector<TChartSeries*> users = referrers_;
    dependentSeries_.clear();
    referrers_.clear();
    for (TChartSeries* user : users) {
        user->RemoveSource(this);
        user->CheckDataSource();
    }
    // Empties the lists without running user events: the derived parts are already gone.
    EmptyAllLists();
    if (active_) RequestRepaint();
    if (parentChart_) SetParentChart(nullptr);
}

void TChartSeries::LeaveSources(bool forget) {
    for (TComponent* component : dataSources_) {
        auto* source = dynamic_cast<TChartSeries*>(component);
        if (!source) continue;
        EraseItem(source->dependentSeries_, this);
        if (forget) EraseItem(source->referrers_, this);
    }
    if (forget) dataSources_.clear();
}

void TChartSeries::RegisterWithSources() {
    for (TComponent* component : dataSources_) {
        auto* source = dynamic_cast<TChartSeries*>(component);
        if (source && !Contains(source->dependentSeries_, this)) source->dependentSeries_.push_back(this);
    }
}

void TChartSeries::AddSource(TChartSeries* source) {
    dataSources_.push_back(source);
    source->dependentSeries_.push_back(this);
    source->referrers_.push_back(this);
}

void TChartSeries::RemoveSource(const TChartSeries* source) {
    EraseItem(dataSources_, source);
}

// Whether following the sources of this series (and theirs) leads to target.
bool TChartSeries::SourceChainReaches(const TChartSeries* target) const {
    std::vector<const TChartSeries*> pending{this};
    std::unordered_set<const TChartSeries*> seen;
    while (!pending.empty()) {
        const TChartSeries* current = pending.back();
        pending.pop_back();
        if (!seen.insert(current).second) continue;
        for (TComponent* component : current->dataSources_) {
            const auto* source = dynamic_cast<const TChartSeries*>(component);
            if (source == target) return true;
            if (source) pending.push_back(source);
        }
    }
    return false;
}

bool TChartSeries::IsValidSource(const TChartSeries* candidate) const {
    return candidate && candidate != this;
}

void TChartSeries::CheckDataSourceCandidate(TComponent* value) const {
    if (!parentChart_) throw ChartException(ChartStrings::DataSourceNoParent);
    const auto* candidate = dynamic_cast<const TChartSeries*>(value);
    if (!candidate || !IsValidSource(candidate))
        throw ChartException(FormatMessage(ChartStrings::DataSourceInvalid, value->Name()));
    if (candidate->SourceChainReaches(this)) throw ChartException(ChartStrings::CircularDataSource);
}

void TChartSeries::SetDataSource(TComponent* value) {
    if (!value) {
        LeaveSources(true);
        ClearPoints();
        RequestRepaint();
        return;
    }
    CheckDataSourceCandidate(value);
    auto* candidate = static_cast<TChartSeries*>(value);
    if (Contains(dataSources_, candidate)) return;
    const bool loading = BeingLoaded();
    if (!loading) LeaveSources(true);
    AddSource(candidate);
    if (!loading) CopyAllFrom(candidate);
}

void TChartSeries::CheckDataSource() {
    if (!parentChart_ || BeingLoaded()) return;
    RegisterWithSources();
    if (auto* source = dynamic_cast<TChartSeries*>(DataSource())) CopyAllFrom(source);
}

void TChartSeries::Loaded() {
    TComponent::Loaded();
    for (const std::string& name : dataSourceNames_) {
        // A name that no longer matches a usable series is skipped rather than failing the load.
        auto* source = Owner() ? dynamic_cast<TChartSeries*>(Owner()->FindComponent(name)) : nullptr;
        if (!source || !IsValidSource(source) || Contains(dataSources_, source) ||
            source->SourceChainReaches(this))
            continue;
        AddSource(source);
    }
    CheckDataSource();
}

void TChartSeries::NotifyDependents(TSeriesChange kind, int index) {
    if (dependentSeries_.empty()) return;
    const std::vector<TChartSeries*> dependents = dependentSeries_;
    for (TChartSeries* d : dependents) {
        const TSeriesRecalcOptions options = d->recalcOptions_;
        switch (kind) {
            case TSeriesChange::Clear:
                if (options & rOnClear) d->ClearPoints();
                break;
            case TSeriesChange::Insert:
                if (options & rOnInsert) d->SourcePointAdded(this, index);
                break;
            case TSeriesChange::Delete:
                if (options & rOnDelete) d->SourcePointDeleted(this, index);
                break;
            case TSeriesChange::Refresh:
                d->CopyAllFrom(this);
                break;
            case TSeriesChange::Modify:
                if (options & rOnModify) d->CopyAllFrom(this);
                break;
        }
    }
}

int TChartSeries::CopyPointFrom(TChartSeries* source, int index) {
    double x = source->XValues()->ValueAt(index);
    double y = source->YValues()->ValueAt(index);
    if (source->YIsMain() != YIsMain()) std::swap(x, y);
    const int at = xValues_->AddInOrder(x);
    yValues_->InsertValueAt(at, y);
    // Extra lists take the source's list at the same position, or 0 when the source has none.
    for (int i = 2; i < valueLists_.Count(); ++i) {
        const TChartValueLists& theirs = source->ValueLists();
        valueLists_.At(i)->InsertValueAt(at, i < theirs.Count() ? theirs.At(i)->ValueAt(index) : 0.0);
    }
    return at;
}

void TChartSeries::SourcePointAdded(TChartSeries* source, int index) {
    const int at = CopyPointFrom(source, index);
    // Colour and label entries are kept one per point, so a missing source entry becomes a default.
    const TColor colour =
        index < source->PointColorCount() ? source->pointColors_[static_cast<size_t>(index)] : clDefault;
    pointColors_.insert(pointColors_.begin() + at, colour);
    InsertPointLabel(at, source->PointLabel(index));
    PointAdded(this, at);
}

// A dependent that holds fewer points than its source has nothing to delete at that index.
void TChartSeries::SourcePointDeleted(TChartSeries* /*source*/, int index) {
    if (index >= 0 && index < PointCount()) DeletePoint(index);
}

void TChartSeries::CopyAllFrom(TChartSeries* source) {
    if (!IsValidSource(source)) return;
    ClearPoints();
    for (int n = 0; n < source->PointCount(); ++n) SourcePointAdded(source, n);
    NotifyDependents(TSeriesChange::Refresh);
}
