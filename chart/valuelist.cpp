#include "chart/valuelist.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include "chart/errors.h"
#include "chart/series.h"

namespace {

[[noreturn]] void RaiseIndexError(long long index) {
    throw EListError(FormatMessage(ChartStrings::ListIndexError, index));
}

}  // namespace

int NextListCapacity(int capacity) {
    const long long delta = capacity > 64 ? capacity / 4 : (capacity > 8 ? 16 : 4);
    const long long grown = static_cast<long long>(capacity) + delta;
    if (grown <= MaxListCapacity) return static_cast<int>(grown);
    // The last step is clamped so that a list can hold exactly MaxListCapacity entries.
    if (capacity < MaxListCapacity) return MaxListCapacity;
    throw EListError(FormatMessage(ChartStrings::ListCapacityError, grown));
}

TValueBuffer::~TValueBuffer() {
    std::free(data_);
}

void TValueBuffer::Reserve(int capacity) {
    void* grown = std::realloc(data_, static_cast<size_t>(capacity) * sizeof(double));
    if (!grown) throw std::bad_alloc();
    data_ = static_cast<double*>(grown);
    capacity_ = capacity;
}

void TValueBuffer::Insert(int index, double value) {
    if (size_ == capacity_) Reserve(NextListCapacity(capacity_));
    if (index < size_)
        std::memmove(data_ + index + 1, data_ + index, static_cast<size_t>(size_ - index) * sizeof(double));
    data_[index] = value;
    ++size_;
}

void TValueBuffer::Erase(int index) {
    --size_;
    if (index < size_)
        std::memmove(data_ + index, data_ + index + 1, static_cast<size_t>(size_ - index) * sizeof(double));
}

void TValueBuffer::Release() {
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = 0;
}

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : owner_(owner), name_(std::move(name)) {
    if (owner_) owner_->ValueLists().Add(this);
}

void TChartValueList::SetDateTime(bool value) {
    if (dateTime_ == value) return;
    dateTime_ = value;
    if (owner_) owner_->RequestRepaint();
}

void TChartValueList::SetMultiplier(double value) {
    if (multiplier_ == value) return;
    multiplier_ = value;
    MarkStale();
    if (!owner_) return;
    owner_->NotifyDependents(TSeriesChange::Refresh);
    owner_->RequestRepaint();
}

void TChartValueList::SetValueSource(std::string value) {
    if (valueSource_ == value) return;
    valueSource_ = std::move(value);
    if (owner_) owner_->CheckDataSource();
}

void TChartValueList::CheckIndex(int index) const {
    if (index < 0 || index >= ValueCount()) RaiseIndexError(index);
}

double TChartValueList::RawValueAt(int index) const {
    CheckIndex(index);
    return values_[index];
}

double TChartValueList::ValueAt(int index) const {
    return RawValueAt(index) * multiplier_;
}

void TChartValueList::SetValueAt(int index, double value) {
    CheckIndex(index);
    values_[index] = value;
    MarkStale();
    if (owner_) owner_->NotifyDependents(TSeriesChange::Modify, index);
}

void TChartValueList::RemoveAllValues() {
    values_.Release();
    MarkStale();
}

int TChartValueList::AddInOrder(double value) {
    int index = ValueCount();
    if (order_ == loAscending && index > 0 && values_[index - 1] > value) {
        int i = index - 1;
        while (i >= 0 && values_[i] > value) --i;
        index = i + 1;
    } else if (order_ == loDescending && index > 0 && values_[index - 1] < value) {
        int i = index - 1;
        while (i >= 0 && values_[i] < value) --i;
        index = i + 1;
    }
    InsertValueAt(index, value);
    return index;
}

void TChartValueList::InsertValueAt(int index, double value) {
    if (index < 0 || index > ValueCount()) RaiseIndexError(index);
    values_.Insert(index, value);
    MarkStale();
}

void TChartValueList::RemoveValueAt(int index) {
    CheckIndex(index);
    values_.Erase(index);
    MarkStale();
}

void TChartValueList::RotateValues() {
    if (ValueCount() == 0) return;
    const double first = values_[0];
    values_.Erase(0);
    values_.Insert(ValueCount(), first);
}

int TChartValueList::FindValue(double value) const {
    for (int i = 0; i < ValueCount(); ++i)
        if (ValueAt(i) == value) return i;
    return -1;
}

void TChartValueList::FillWithIndexes() {
    for (int i = 0; i < ValueCount(); ++i) SetValueAt(i, i);
}

void TChartValueList::SwapValues(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(values_[index1], values_[index2]);
    MarkStale();
}

int TChartValueList::CompareAt(int a, int b) const {
    const double va = ValueAt(a);
    const double vb = ValueAt(b);
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return order_ == loDescending ? -result : result;
}

void TChartValueList::SortByOrder() {
    if (order_ == loNone) return;
    if (ValueCount() > 1) QuickSort(0, ValueCount() - 1);
    // The points may have moved: the chart shows them again.
    if (owner_) owner_->RequestRepaint();
}

// Moves whole points through the owning series; the pivot point is followed when it moves.
void TChartValueList::QuickSort(int l, int r) {
    int i = l;
    int j = r;
    int m = (l + r) / 2;
    while (j > i) {
        while (CompareAt(i, m) < 0) ++i;
        while (CompareAt(m, j) < 0) --j;
        if (i < j) {
            if (owner_)
                owner_->SwapPoints(i, j);
            else
                SwapValues(i, j);
            if (i == m)
                m = j;
            else if (j == m)
                m = i;
        }
        if (i <= j) {
            ++i;
            --j;
        }
    }
    if (l < j) QuickSort(l, j);
    if (i < r) QuickSort(i, r);
}

void TChartValueList::RecomputeStatistics() const {
    minimum_ = maximum_ = sum_ = absoluteSum_ = 0.0;
    if (ValueCount() > 0) {
        minimum_ = maximum_ = sum_ = ValueAt(0);
        absoluteSum_ = std::fabs(sum_);
        for (int i = 1; i < ValueCount(); ++i) {
            const double v = ValueAt(i);
            if (v < minimum_)
                minimum_ = v;
            else if (v > maximum_)
                maximum_ = v;
            sum_ += v;
            absoluteSum_ += std::fabs(v);
        }
    }
    statisticsStale_ = false;
}

double TChartValueList::MinimumValue() const {
    if (statisticsStale_) RecomputeStatistics();
    return minimum_;
}

double TChartValueList::MaximumValue() const {
    if (statisticsStale_) RecomputeStatistics();
    return maximum_;
}

double TChartValueList::ValueSum() const {
    if (statisticsStale_) RecomputeStatistics();
    return sum_;
}

double TChartValueList::AbsoluteSum() const {
    if (statisticsStale_) RecomputeStatistics();
    return absoluteSum_;
}

void TChartValueList::Assign(const TChartValueList& source) {
    order_ = source.order_;
    dateTime_ = source.dateTime_;
    multiplier_ = source.multiplier_;
    valueSource_ = source.valueSource_;
    MarkStale();
}

TChartValueList* TChartValueLists::At(int index) const {
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    return lists_[static_cast<size_t>(index)].get();
}
