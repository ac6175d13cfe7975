// TChartSeriesList: the chart's ordered, non-owning list of series and the algorithms over it
// (axis extremes, free colours, paging).
#pragma once

#include <vector>

#include "chart/chartfwd.h"

class TChartSeriesList {
  public:
    explicit TChartSeriesList(TCustomAxisPanel* owner) : owner_(owner) {}
    TChartSeriesList(const TChartSeriesList&) = delete;
    TChartSeriesList& operator=(const TChartSeriesList&) = delete;

    TCustomAxisPanel* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError with the index when it lies outside 0..Count-1.
    TChartSeries* At(int index) const;
    TChartSeries* operator[](int index) const { return At(index); }
    int IndexOf(const TChartSeries* series) const;
    int ActiveSeriesCount() const;
    const std::vector<TChartSeries*>& Items() const { return items_; }

    // Appends a series (nothing when already present): gives it a free colour when it has none,
    // sets its parent chart, re-reads its data source, and requests a repaint.
    void Attach(TChartSeries* series);
    // Removes a series (nothing when absent); its points stay.
    void Detach(TChartSeries* series);
    // Detaches and destroys every series still in the list, index 0 first.
    void DestroyAll();

    double AxisExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const;
    bool NoActiveSeriesOn(const TCustomChartAxis* axis) const;
    TChartSeries* FirstSeriesOn(const TCustomChartAxis* axis) const;
    // The first palette colour the owner calls free, or the first palette entry.
    TColor PickFreeSeriesColor(bool checkBackground) const;
    // Whether some series in the list has this SeriesColor (the series side of ColorIsFree).
    bool ColorInUse(TColor colour) const;

    // Paging. MaxPointsPerPage 0 means no paging.
    int MaxPointsPerPage() const { return maxPointsPerPage_; }
    // Raises ChartException for a negative value; keeps Page within the page count.
    void SetMaxPointsPerPage(int value);
    int Page() const { return page_; }
    // Clamps to 1..PageCount; a changed page requests a repaint and fires the chart's OnPageChange.
    void SetPage(int value);
    bool ScaleLastPage() const { return scaleLastPage_; }
    void SetScaleLastPage(bool value);
    int PageCount() const;

  private:
    double PagedExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const;
    double UnpagedExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const;
    double DepthExtreme(const TCustomChartAxis* axis, bool isMin) const;
    int PagesOn(const TCustomChartAxis* axis) const;
    void RequestRedraw() const;

    TCustomAxisPanel* owner_;
    std::vector<TChartSeries*> items_;
    int maxPointsPerPage_ = 0;
    int page_ = 1;
    bool scaleLastPage_ = true;
};
