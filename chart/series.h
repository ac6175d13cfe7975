// TChartSeries: the base class of every series kind. Keeps the points (value lists, colours and
// labels), cached statistics, dependent-series links, the chart attachment and the drawing hooks
// that series kinds override.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/chartfwd.h"
#include "chart/component.h"
#include "chart/valuelist.h"

class TSeriesMarks {
  public:
    explicit TSeriesMarks(TChartSeries* owner) : owner_(owner) {}

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Clip() const { return clip_; }
    void SetClip(bool value);
    // Stored positions of moved marks, one per point that has one.
    std::vector<TPoint>& Positions() { return positions_; }
    void ClearPositions() { ReleaseStorage(positions_); }

    void Assign(const TSeriesMarks& source);

  private:
    TChartSeries* owner_;
    bool visible_ = false;
    bool clip_ = false;
    std::vector<TPoint> positions_;
};

// Which changes of a source are forwarded to a dependent (RecalcOptions bits).
using TSeriesRecalcOptions = std::uint8_t;
constexpr TSeriesRecalcOptions rOnDelete = 1;
constexpr TSeriesRecalcOptions rOnModify = 2;
constexpr TSeriesRecalcOptions rOnInsert = 4;
constexpr TSeriesRecalcOptions rOnClear = 8;
constexpr TSeriesRecalcOptions rAllRecalcOptions = rOnDelete | rOnModify | rOnInsert | rOnClear;

// The kinds of change a source series reports to its dependents.
enum class TSeriesChange { Clear, Insert, Delete, Refresh, Modify };

class TChartSeries : public TComponent {
  public:
    explicit TChartSeries(TComponent* owner = nullptr);
    ~TChartSeries() override;

    // The 16-entry default palette: entry 1 + (index mod 16).
    static TColor PaletteColor(int index);

    // --- Published properties -------------------------------------------------------------
    bool Active() const { return active_; }
    virtual void SetActive(bool value);
    bool ColorEachPoint() const { return colorEachPoint_; }
    virtual void SetColorEachPoint(bool value);
    const std::string& ColorSource() const { return colorSource_; }
    void SetColorSource(std::string value);
    std::int16_t Cursor() const { return cursor_; }
    void SetCursor(std::int16_t value) { cursor_ = value; }
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis value);
    TCustomChartAxis* CustomHorizAxis() const { return customHorizAxis_; }
    void SetCustomHorizAxis(TCustomChartAxis* axis);
    TCustomChartAxis* CustomVertAxis() const { return customVertAxis_; }
    void SetCustomVertAxis(TCustomChartAxis* axis);
    TSeriesMarks* Marks() { return marks_.get(); }
    const TSeriesMarks* Marks() const { return marks_.get(); }
    void SetMarks(const TSeriesMarks& value) { marks_->Assign(value); }
    TCustomAxisPanel* ParentChart() const { return parentChart_; }
    // Detaches from the current chart, then attaches to `chart` (nullptr: just detach).
    virtual void SetParentChart(TCustomAxisPanel* chart);
    // The first data source, or nullptr.
    TComponent* DataSource() const { return dataSources_.empty() ? nullptr : dataSources_.front(); }
    // Raises ChartException without a parent chart, for an invalid component and for a cycle.
    void SetDataSource(TComponent* value);
    const std::string& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(std::string value);
    TColor SeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(TColor value);
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value);
    const std::string& Title() const { return title_; }
    void SetTitle(std::string value);
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(std::string value);
    const std::string& XLabelsSource() const { return xLabelsSource_; }
    void SetXLabelsSource(std::string value);
    TChartValueList* XValues() const { return xValues_; }
    void SetXValues(const TChartValueList& value);
    TChartValueList* YValues() const { return yValues_; }
    void SetYValues(const TChartValueList& value);

    // The three extra stored properties of a form description.
    // "DataSources": names resolved among the owner's components when loading ends.
    const std::vector<std::string>& DataSourceNames() const { return dataSourceNames_; }
    void SetDataSourceNames(std::vector<std::string> names) { dataSourceNames_ = std::move(names); }
    const std::string& Identifier() const { return identifier_; }
    void SetIdentifier(std::string value) { identifier_ = std::move(value); }
    int Style() const { return style_; }
    void SetStyle(int value) { style_ = value & 0x3F; }  // only bits 0 to 5 are kept

    // --- Other settings and run-time state ------------------------------------------------
    TSeriesRecalcOptions RecalcOptions() const { return recalcOptions_; }
    void SetRecalcOptions(TSeriesRecalcOptions value) { recalcOptions_ = value & rAllRecalcOptions; }
    bool LimitToVisible() const { return limitToVisible_; }
    void SetLimitToVisible(bool value) { limitToVisible_ = value; }
    bool ExtendPastEdge() const { return extendPastEdge_; }
    void SetExtendPastEdge(bool value) { extendPastEdge_ = value; }
    bool SinglePointAllowed() const { return singlePointAllowed_; }
    void SetSinglePointAllowed(bool value) { singlePointAllowed_ = value; }
    int FirstVisible() const { return firstVisible_; }
    void SetFirstVisible(int value) { firstVisible_ = value; }
    int LastVisible() const { return lastVisible_; }
    void SetLastVisible(int value) { lastVisible_ = value; }
    TCustomChartAxis* ResolvedHorizAxis() const { return resolvedHorizAxis_; }
    TCustomChartAxis* ResolvedVertAxis() const { return resolvedVertAxis_; }
    // Depth bookkeeping set by the chart's paint cycle (all 0 on a flat chart).
    int ZOrder() const { return zOrder_; }
    void SetZOrder(int value) { zOrder_ = value; }
    int StartZ() const { return startZ_; }
    int MiddleZ() const { return middleZ_; }
    int EndZ() const { return endZ_; }
    void SetDepthBand(int startZ, int middleZ, int endZ);

    TChartValueLists& ValueLists() { return valueLists_; }
    const TChartValueLists& ValueLists() const { return valueLists_; }
    const std::vector<TComponent*>& DataSources() const { return dataSources_; }
    const std::vector<TChartSeries*>& DependentSeries() const { return dependentSeries_; }
    // Number of colour and label entries (one per point added through AddPointXY).
    int PointColorCount() const { return static_cast<int>(pointColors_.size()); }
    int PointLabelCount() const { return static_cast<int>(pointLabels_.size()); }
    int PointColorCapacity() const { return static_cast<int>(pointColors_.capacity()); }
    int PointLabelCapacity() const { return static_cast<int>(pointLabels_.capacity()); }

    // --- Events ---------------------------------------------------------------------------
    std::function<void(TChartSeries* Sender)> AfterDrawValues;
    std::function<void(TChartSeries* Sender)> BeforeDrawValues;
    std::function<void(TChartSeries* Sender, int ValueIndex)> OnAfterAdd;
    std::function<bool(TChartSeries* Sender)> OnBeforeAdd;
    std::function<void(TChartSeries* Sender)> OnClearValues;
    std::function<void(TChartSeries* Sender, int ValueIndex)> OnClick;
    std::function<void(TChartSeries* Sender, int ValueIndex)> OnDblClick;
    std::function<void(TChartSeries* Sender, int ValueIndex, std::string& MarkText)> OnGetMarkText;

    // --- Data operations ------------------------------------------------------------------
    int PointCount() const { return xValues_->ValueCount(); }
    virtual double PointX(int index) const { return xValues_->ValueAt(index); }
    virtual double PointY(int index) const { return yValues_->ValueAt(index); }
    virtual TColor PointColor(int index) const;
    virtual std::string PointLabel(int index) const;
    bool IsNullPoint(int index) const { return PointColor(index) == clNone; }
    void SetPointX(int index, double value);
    void SetPointY(int index, double value);
    void SetPointColor(int index, TColor colour);

    virtual int AddPointXY(double x, double y, const std::string& label = {}, TColor colour = clDefault);
    int AddPointY(double y, const std::string& label = {}, TColor colour = clDefault);
    int AddPointX(double x, const std::string& label = {}, TColor colour = clDefault);
    virtual int AddPoint(double value, const std::string& label = {}, TColor colour = clDefault);
    virtual int AddNullPoint(const std::string& label = {});
    virtual int AddNullPointXY(double x, double y, const std::string& label = {});
    virtual void ClearPoints();
    virtual void DeletePoint(int index);
    virtual void SwapPoints(int index1, int index2);
    // Hook run after a point was added: OnAfterAdd, dependents, repaint when Active.
    virtual void PointAdded(TChartSeries* sender, int index);
    virtual void InsertPendingExtras(int index);
    virtual void ResetPendingValue(TChartValueList* list) { list->SetPendingValue(0.0); }
    virtual void EmptyAllLists();

    virtual double LowestX() const { return xValues_->MinimumValue(); }
    virtual double HighestX() const { return xValues_->MaximumValue(); }
    virtual double LowestY() const { return yValues_->MinimumValue(); }
    virtual double HighestY() const { return yValues_->MaximumValue(); }

    virtual TChartValueList* ValueListNamed(const std::string& name) const;
    virtual TChartValueList* MainValues() const { return yValues_; }
    bool YIsMain() const { return MainValues() == yValues_; }

    // Asks the parent chart to repaint later; nothing without a parent chart.
    void RequestRepaint() const;

    // --- Dependent series -----------------------------------------------------------------
    void NotifyDependents(TSeriesChange kind, int index = -1);
    virtual int CopyPointFrom(TChartSeries* source, int index);
    virtual void SourcePointAdded(TChartSeries* source, int index);
    virtual void SourcePointDeleted(TChartSeries* source, int index);
    virtual void CopyAllFrom(TChartSeries* source);
    // Whether `candidate` may feed this series (a series is never its own source).
    virtual bool IsValidSource(const TChartSeries* candidate) const;
    // Copies the points of the data source again, when there is one and a parent chart.
    void CheckDataSource();

    // --- Chart side -----------------------------------------------------------------------
    void ComputeVisibleRange();
    void ResolveAxes();
    virtual bool UsesAxis(const TCustomChartAxis* axis) const;
    virtual bool DrawsOnAxes() const { return true; }
    // True for kinds that draw their points from the last to the first.
    virtual bool DrawsBackwards() const { return false; }

    // Drawing hooks called by the chart's paint cycle; the base class draws nothing.
    virtual void PrepareChartPass() {}
    virtual void BeginValues();
    virtual void DrawValues();
    virtual void DrawValueAt(int /*index*/) {}
    virtual void DrawSeriesMarks() {}
    virtual void EndValues();
    virtual void DrawLegendSymbol(TRect /*rect*/) {}
    // Index of the point at a pixel position, or -1.
    virtual int PointAtPixel(TPoint /*position*/) const { return -1; }
    // Pixels to keep free at the ends of a horizontal / vertical axis.
    virtual void HorizontalMargins(int& left, int& right) const { left = right = 0; }
    virtual void VerticalMargins(int& top, int& bottom) const { top = bottom = 0; }

    // Resolves the stored "DataSources" names among the owner's components and re-reads the
    // data source. Public so that the chart can run it for its series when its loading ends.
    void Loaded() override;

  private:
    friend class TChartSeriesList;
    // Used by the series list when attaching and detaching.
    void StoreParentChart(TCustomAxisPanel* chart) { parentChart_ = chart; }
    // True while the series, its owner or its chart is being read from a form description.
    bool BeingLoaded() const;
    // Leaves the DependentSeries of every source; with forget, also empties the source list.
    void LeaveSources(bool forget);
    void RegisterWithSources();
    void AddSource(TChartSeries* source);
    void RemoveSource(const TChartSeries* source);
    bool SourceChainReaches(const TChartSeries* target) const;
    void CheckDataSourceCandidate(TComponent* value) const;
    void InsertPointLabel(int index, const std::string& label);

    bool active_ = true;
    TColor seriesColor_ = clDefault;
    bool colorEachPoint_ = false;
    std::vector<TColor> pointColors_;
    std::string colorSource_;
    std::int16_t cursor_ = 0;
    std::vector<TComponent*> dataSources_;
    int firstVisible_ = -1;
    TCustomChartAxis* resolvedHorizAxis_ = nullptr;
    TCustomChartAxis* resolvedVertAxis_ = nullptr;
    std::string xLabelsSource_;
    int lastVisible_ = -1;
    std::vector<TChartSeries*> dependentSeries_;
    // Every series that lists this one among its sources, detached ones included, so that none of
    // them keeps a dangling source when this one is destroyed.
    std::vector<TChartSeries*> referrers_;
    std::unique_ptr<TSeriesMarks> marks_;
    TCustomAxisPanel* parentChart_ = nullptr;
    std::string percentFormat_ = "##0.## %";
    bool showInLegend_ = true;
    std::string title_;
    std::string valueFormat_ = "#,##0.###";
    TChartValueLists valueLists_;
    TChartValueList* xValues_ = nullptr;
    // One entry per point: a private copy of the label text, or null for an empty label.
    std::vector<std::unique_ptr<std::string>> pointLabels_;
    TChartValueList* yValues_ = nullptr;
    THorizAxis horizAxis_ = aBottomAxis;
    TCustomChartAxis* customHorizAxis_ = nullptr;
    TCustomChartAxis* customVertAxis_ = nullptr;
    TVertAxis vertAxis_ = aLeftAxis;
    TSeriesRecalcOptions recalcOptions_ = rAllRecalcOptions;
    bool limitToVisible_ = true;
    bool extendPastEdge_ = false;
    bool singlePointAllowed_ = true;
    std::vector<std::string> dataSourceNames_;
    std::string identifier_;
    int style_ = 0;
    int zOrder_ = 0;
    int startZ_ = 0;
    int middleZ_ = 0;
    int endZ_ = 0;
};
