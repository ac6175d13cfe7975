// One column of numbers of a series (TChartValueList) and the owned collection of a series' columns.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "chart/chartfwd.h"

// Storage growth of the point lists: 4 entries while the capacity is at most 8, 16 while it is at
// most 64, a quarter of the capacity beyond. Never more than MaxListCapacity entries.
constexpr int MaxListCapacity = 0x7FFFFFF;  // 134,217,727

// The capacity a full list of `capacity` entries grows to. Clamped to MaxListCapacity; raises
// EListError with the requested capacity when the list is already at the limit.
int NextListCapacity(int capacity);

// Releases a list's storage entirely (capacity 0).
template <typename T>
void ReleaseStorage(std::vector<T>& v) {
    std::vector<T>().swap(v);
}

// The raw storage of a value list: contiguous doubles with an explicit capacity. Grows with realloc,
// so that large lists are remapped rather than copied value by value.
class TValueBuffer {
  public:
    TValueBuffer() = default;
    ~TValueBuffer();
    TValueBuffer(const TValueBuffer&) = delete;
    TValueBuffer& operator=(const TValueBuffer&) = delete;

    int Size() const { return size_; }
    int Capacity() const { return capacity_; }
    double& operator[](int index) { return data_[index]; }
    double operator[](int index) const { return data_[index]; }
    // Inserts at 0..Size(), growing by the list growth rule when full.
    void Insert(int index, double value);
    void Erase(int index);
    // Frees the storage (capacity 0).
    void Release();

  private:
    void Reserve(int capacity);

    double* data_ = nullptr;
    int size_ = 0;
    int capacity_ = 0;
};

class TChartValueList {
  public:
    // Appends itself to the owner's ValueLists (which then owns it); a list without owner
    // series is a free-standing value holder (e.g. for assignment).
    TChartValueList(TChartSeries* owner, std::string name);
    virtual ~TChartValueList() = default;
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;

    // Published properties.
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value);
    const std::string& Name() const { return name_; }
    void SetName(std::string value) { name_ = std::move(value); }
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double value);
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder value) { order_ = value; }
    const std::string& ValueSource() const { return valueSource_; }
    void SetValueSource(std::string value);

    TChartSeries* OwnerSeries() const { return owner_; }
    double PendingValue() const { return pendingValue_; }
    void SetPendingValue(double value) { pendingValue_ = value; }
    bool StatisticsStale() const { return statisticsStale_; }

    int ValueCount() const { return values_.Size(); }
    int Capacity() const { return values_.Capacity(); }
    // The stored value, Multiplier not applied.
    double RawValueAt(int index) const;

    // Reads apply the Multiplier; index errors raise EListError.
    virtual double ValueAt(int index) const;
    // Stores the raw value (no re-ordering); notifies the owner's dependents (modify). No repaint.
    virtual void SetValueAt(int index, double value);
    virtual void RemoveAllValues();
    virtual int AddInOrder(double value);
    virtual void InsertValueAt(int index, double value);
    virtual void RemoveValueAt(int index);
    virtual void RotateValues();

    double LastValue() const { return ValueAt(ValueCount() - 1); }
    int FindValue(double value) const;
    void FillWithIndexes();
    // Sorts the owning series' points by this list (nothing when Order is loNone).
    void SortByOrder();
    // Exchanges two stored values (used by the series to swap whole points).
    void SwapValues(int index1, int index2);

    double MinimumValue() const;
    double MaximumValue() const;
    double ValueSum() const;
    double AbsoluteSum() const;
    void RecomputeStatistics() const;

    // Copies Order, DateTime, Multiplier and ValueSource (not the name, not the values).
    void Assign(const TChartValueList& source);

  private:
    void CheckIndex(int index) const;
    void MarkStale() { statisticsStale_ = true; }
    int CompareAt(int a, int b) const;
    void QuickSort(int l, int r);

    TChartSeries* owner_;
    std::string name_;
    TValueBuffer values_;
    double multiplier_ = 1.0;
    TChartListOrder order_ = loNone;
    bool dateTime_ = false;
    std::string valueSource_;
    double pendingValue_ = 0.0;
    mutable bool statisticsStale_ = true;
    mutable double minimum_ = 0.0;
    mutable double maximum_ = 0.0;
    mutable double sum_ = 0.0;
    mutable double absoluteSum_ = 0.0;
};

// The value lists of one series in creation order: 0 is XValues, 1 is YValues, then extras.
// Owns the lists.
class TChartValueLists {
  public:
    int Count() const { return static_cast<int>(lists_.size()); }
    // Raises EListError for an index outside 0..Count-1.
    TChartValueList* At(int index) const;
    void Add(TChartValueList* list) { lists_.emplace_back(list); }

  private:
    std::vector<std::unique_ptr<TChartValueList>> lists_;
};
