// The chart control's upper layers: the series list, axes and paint cycle (TCustomAxisPanel), walls,
// titles, legend and mouse handling (TCustomChart), and the published control TChart.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/panel.h"
#include "chart/pens.h"
#include "chart/wheelnotches.h"

class TChartWall;
class TChartTitle;
class TChartLegend;
class TChartBrush;
class TChartPen;

// The axes paint before the series, so series lines cover grid lines.
inline constexpr bool AxesBehindSeries = true;

// Asked before a pan moves an axis: may change the new range or refuse it.
using TAllowScrollEvent =
    std::function<void(TCustomChartAxis* sender, double& newMin, double& newMax, bool& allowScroll)>;
// Lets the application move or resize the legend before it is drawn.
using TLegendRectEvent = std::function<void(TCustomChart* sender, TRect& rect)>;
// Lets the application change a legend row's text.
using TLegendTextEvent = std::function<void(TCustomChart* sender, int index, std::string& text)>;

class TCustomAxisPanel : public TCustomChartPanelExtended {
  public:
    explicit TCustomAxisPanel(QWidget* parent = nullptr);
    ~TCustomAxisPanel() override;

    // Series list (non-owning; still attached series are destroyed with the chart).
    TChartSeriesList& SeriesList() const { return *seriesList_; }
    // EListError for an index outside 0..CountSeries()-1.
    TChartSeries* SeriesAt(int index) const;
    int CountSeries() const;
    void AttachSeries(TChartSeries* series);
    void DetachSeries(TChartSeries* series);
    void DestroyAllSeries();
    double AxisExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const;
    bool NoActiveSeriesOn(TCustomChartAxis* axis) const;
    TChartSeries* FirstSeriesOn(TCustomChartAxis* axis) const;
    TColor PickFreeSeriesColor(bool checkBackground) const;
    virtual bool ColorIsFree(TColor colour, bool checkBackground) const = 0;
    virtual TColor BackColor() const = 0;
    int MaxPointsPerPage() const;
    void SetMaxPointsPerPage(int value);
    int Page() const;
    virtual void SetPage(int value);
    bool ScaleLastPage() const;
    void SetScaleLastPage(bool value);
    int PageCount() const;

    // Axes, owned; AxisList holds them in creation order: bottom, top, left, right, depth.
    TChartAxis* BottomAxis() const { return bottomAxis_.get(); }
    TChartAxis* TopAxis() const { return topAxis_.get(); }
    TChartAxis* LeftAxis() const { return leftAxis_.get(); }
    TChartAxis* RightAxis() const { return rightAxis_.get(); }
    TChartDepthAxis* DepthAxis() const { return depthAxis_.get(); }
    const std::vector<TCustomChartAxis*>& AxisList() const { return axisList_; }
    // Shown: AxisVisible and the axis Visible, and used by some active series on axes (all when none).
    bool IsAxisShown(const TCustomChartAxis* axis) const;

    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool value) { Change(axisVisible_, value); }
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool value) { Change(clipPoints_, value); }
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool value) { Change(view3DWalls_, value); }
    // Largest z order among the series (0 on a flat chart).
    int MaxZOrder() const { return 0; }

    // Loading from a form description: series attach in order; EndLoading lets them resolve references.
    void BeginLoading() { loading_ = true; }
    void EndLoading();
    bool IsLoading() const { return loading_; }

    // Part of the paint cycle that other parts call.
    virtual void LayoutAxes() = 0;
    virtual void FitAxesToSeriesMargins() = 0;
    virtual int WallSize(const TCustomChartAxis* axis) const = 0;
    virtual void PaintTitlesAndLegend() = 0;
    virtual void PaintWalls() = 0;
    // Loads the surface brush; a hatch in its own background colour is drawn black (white on black).
    void UseBrush(TColor colour, TBrushStyle style, TColor backColour);

    TChartNotifyEvent OnAfterDraw;
    TChartNotifyEvent OnBeforeDrawAxes;
    TChartNotifyEvent OnBeforeDrawSeries;
    TChartNotifyEvent OnPageChange;
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;

  protected:
    void PaintChart(const TRect& bounds) override;
    // Draws one series with its visible range, clip, marks and events.
    void DrawSeries(TChartSeries& series);

  private:
    void AssignDepthSlots();
    int SlotDepth() const;
    void PaintAxes();
    void PaintZoomRectangle();

    std::unique_ptr<TChartSeriesList> seriesList_;
    std::unique_ptr<TChartAxis> bottomAxis_;
    std::unique_ptr<TChartAxis> topAxis_;
    std::unique_ptr<TChartAxis> leftAxis_;
    std::unique_ptr<TChartAxis> rightAxis_;
    std::unique_ptr<TChartDepthAxis> depthAxis_;
    std::vector<TCustomChartAxis*> axisList_;
    // The series as the paint in progress found them; kept so that a paint allocates no list.
    std::vector<TChartSeries*> paintSeries_;
    bool axisVisible_ = true;
    bool clipPoints_ = true;
    bool view3DWalls_ = true;
    bool loading_ = false;
};

class TCustomChart : public TCustomAxisPanel {
  public:
    explicit TCustomChart(QWidget* parent = nullptr);
    ~TCustomChart() override;

    TChartWall* BackWall() const { return backWall_.get(); }
    void SetBackWall(const TChartWall& value);
    TChartWall* LeftWall() const { return leftWall_.get(); }
    void SetLeftWall(const TChartWall& value);
    TChartWall* BottomWall() const { return bottomWall_.get(); }
    void SetBottomWall(const TChartWall& value);
    // The back wall's pen.
    TChartPen* Frame() const;
    void SetFrame(const TChartPen& value);
    // The back wall's Color; set at run time on a chart with a parent it also makes the wall brush solid.
    TColor BackColor() const override;
    void SetBackColor(TColor value);
    TChartTitle* Title() const { return title_.get(); }
    void SetTitle(const TChartTitle& value);
    TChartTitle* Foot() const { return foot_.get(); }
    void SetFoot(const TChartTitle& value);
    TChartLegend* Legend() const { return legend_.get(); }
    void SetLegend(const TChartLegend& value);
    // The legend rectangle of the last paint (empty when none was drawn).
    TRect LegendRect() const { return legendRect_; }

    bool ColorIsFree(TColor colour, bool checkBackground) const override;
    void LayoutAxes() override;
    void FitAxesToSeriesMargins() override;
    int WallSize(const TCustomChartAxis* axis) const override;
    void PaintTitlesAndLegend() override;
    void PaintWalls() override;
    void DrawBackImage(const TRect& rect) override;

    // Zooms the four side axes to the values under a pixel rectangle of the drawing area.
    void ZoomRect(const TRect& rect);
    // Restores the axis scales saved before the first zoom or pan.
    void UndoZoom();

    TChartNotifyEvent OnZoom;
    TChartNotifyEvent OnUndoZoom;
    TChartNotifyEvent OnScroll;
    TAllowScrollEvent OnAllowScroll;
    TLegendRectEvent OnGetLegendRect;
    TLegendTextEvent OnGetLegendText;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    struct SavedScale {
        bool automaticMinimum;
        bool automaticMaximum;
        double minimum;
        double maximum;
    };
    // Mouse position in drawing-area pixels.
    TPoint ClientPoint(const QPointF& position) const;
    void SaveScales();
    void AnimateTowards(const std::vector<std::pair<double, double>>& targets);
    void PanTo(int x, int y);
    void LoadWall(const TChartWall& wall);
    void DrawTitle(TChartTitle& title, bool isFoot);
    void DrawTitleFrame(const TChartTitle& title, const TRect& box);
    void DrawLegend();
    std::vector<TChartSeries*> LegendSeries() const;
    std::string LegendText(int index, const TChartSeries& series);
    TRect PlaceLegend(int width, int height, int frameWidth) const;
    void PaintLegendBox(const TRect& rect);
    void ShrinkForLegend(const TRect& rect);

    std::unique_ptr<TChartTitle> title_;
    std::unique_ptr<TChartTitle> foot_;
    std::unique_ptr<TChartWall> backWall_;
    std::unique_ptr<TChartWall> leftWall_;
    std::unique_ptr<TChartLegend> legend_;
    std::unique_ptr<TChartWall> bottomWall_;
    std::vector<SavedScale> savedScales_;
    TRect legendRect_;
    TWheelNotches wheelNotches_;
};

// The published chart control.
class TChart : public TCustomChart {
  public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;
};
