#include "chart/chart.h"

#include <cmath>

#include "chart/axispaint.h"
#include "chart/canvas.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/series.h"
#include "chart/serieslist.h"
#include "chart/view3d.h"

// ---- TCustomAxisPanel: series list, axes and the paint cycle ----

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent)
    : TCustomChartPanelExtended(parent),
      seriesList_(std::make_unique<TChartSeriesList>(this)),
      bottomAxis_(std::make_unique<TChartAxis>(this, asBottom)),
      topAxis_(std::make_unique<TChartAxis>(this, asTop)),
      leftAxis_(std::make_unique<TChartAxis>(this, asLeft)),
      rightAxis_(std::make_unique<TChartAxis>(this, asRight)),
      depthAxis_(std::make_unique<TChartDepthAxis>(this)),
      axisList_{bottomAxis_.get(), topAxis_.get(), leftAxis_.get(), rightAxis_.get(), depthAxis_.get()} {}

TCustomAxisPanel::~TCustomAxisPanel() {
    SetRepaintEnabled(false);
    // The series still attached go with the chart, while the axes they refer to still exist.
    seriesList_->DestroyAll();
}

TChartSeries* TCustomAxisPanel::SeriesAt(int index) const {
    return seriesList_->At(index);
}
int TCustomAxisPanel::CountSeries() const {
    return seriesList_->Count();
}
void TCustomAxisPanel::AttachSeries(TChartSeries* series) {
    seriesList_->Attach(series);
}
void TCustomAxisPanel::DetachSeries(TChartSeries* series) {
    seriesList_->Detach(series);
}
void TCustomAxisPanel::DestroyAllSeries() {
    seriesList_->DestroyAll();
}

double TCustomAxisPanel::AxisExtreme(const TCustomChartAxis* axis, bool isMin, bool isX) const {
    return seriesList_->AxisExtreme(axis, isMin, isX);
}
bool TCustomAxisPanel::NoActiveSeriesOn(TCustomChartAxis* axis) const {
    return seriesList_->NoActiveSeriesOn(axis);
}
TChartSeries* TCustomAxisPanel::FirstSeriesOn(TCustomChartAxis* axis) const {
    return seriesList_->FirstSeriesOn(axis);
}
TColor TCustomAxisPanel::PickFreeSeriesColor(bool checkBackground) const {
    return seriesList_->PickFreeSeriesColor(checkBackground);
}
int TCustomAxisPanel::MaxPointsPerPage() const {
    return seriesList_->MaxPointsPerPage();
}
void TCustomAxisPanel::SetMaxPointsPerPage(int value) {
    seriesList_->SetMaxPointsPerPage(value);
}
int TCustomAxisPanel::Page() const {
    return seriesList_->Page();
}
void TCustomAxisPanel::SetPage(int value) {
    seriesList_->SetPage(value);
}
bool TCustomAxisPanel::ScaleLastPage() const {
    return seriesList_->ScaleLastPage();
}
void TCustomAxisPanel::SetScaleLastPage(bool value) {
    seriesList_->SetScaleLastPage(value);
}
int TCustomAxisPanel::PageCount() const {
    return seriesList_->PageCount();
}

bool TCustomAxisPanel::IsAxisShown(const TCustomChartAxis* axis) const {
    return ::IsAxisShown(*this, axis);
}

void TCustomAxisPanel::EndLoading() {
    loading_ = false;
    for (TChartSeries* series : seriesList_->Items()) series->Loaded();
}

void TCustomAxisPanel::UseBrush(TColor colour, TBrushStyle style, TColor backColour) {
    if (style != bsSolid && colour == backColour) colour = backColour == clBlack ? clWhite : clBlack;
    // A default background is the chart's own colour. Read as a colour it would be black, and the
    // axis labels drawn after a default back wall would sit in black boxes.
    if (backColour == clDefault) backColour = Color();
    TChartCanvas3D& surface = *Surface();
    surface.Brush()->SetColor(colour);
    surface.Brush()->SetStyle(style);
    if (style == bsSolid) {
        surface.ApplyBackMode(bmTransparent);
    } else {
        surface.ApplyBackMode(bmOpaque);
        surface.ApplyBackColor(ColorToRGB(backColour));
    }
}

void TCustomAxisPanel::PaintChart(const TRect& bounds) {
    TChartCanvas3D& surface = *Surface();
    PaintPanel(bounds);
    // A copy: the paint's events may change the list.
    std::vector<TChartSeries*>& series = paintSeries_;
    series.assign(seriesList_->Items().begin(), seriesList_->Items().end());
    for (TChartSeries* s : series)
        if (s->Active()) s->PrepareChartPass();
    PaintTitlesAndLegend();
    AssignDepthSlots();
    LayoutAxes();
    for (TChartSeries* s : series) {
        if (!s->Active()) continue;
        const int start = SeriesDepth() * s->ZOrder();
        s->SetDepthBand(start, start + SeriesDepth() / 2, start + SeriesDepth());
    }
    FitAxesToSeriesMargins();
    surface.SetProjection(Depth3D(), PanelBounds(), PlotRect());
    if (surface.IsDepthRenderer()) {
        const TRect saved = PlotRect();
        SetPlotRect(PanelBounds());
        PaintTitlesAndLegend();
        SetPlotRect(saved);
    }
    PaintWalls();
    // The axes go behind the series (AxesBehindSeries), so series lines cover grid lines.
    if (axisVisible_) {
        if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
        PaintAxes();
    }
    if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
    for (TChartSeries* s : series)
        if (s->Active()) DrawSeries(*s);
    if (ZoomDrag().Active) PaintZoomRectangle();
    surface.RestoreDefaults();
    if (OnAfterDraw) OnAfterDraw(this);
}

void TCustomAxisPanel::AssignDepthSlots() {
    const int active = seriesList_->ActiveSeriesCount();
    if (!View3D() || !SeparateDepthSlots() || active == 0) {
        for (TChartSeries* s : seriesList_->Items()) s->SetZOrder(0);
        SetDepthBookkeeping(0, View3D() ? SlotDepth() : 0, View3D() ? SlotDepth() : 0);
        return;
    }
    const int highest = active - 1;
    int order = 0;
    for (TChartSeries* s : seriesList_->Items())
        if (s->Active()) s->SetZOrder(highest - order++);
    SetDepthBookkeeping(highest, SlotDepth(), SlotDepth() * active);
}

int TCustomAxisPanel::SlotDepth() const {
    const bool orthogonal = View3DOptions()->Orthogonal();
    const double factor = Chart3DPercent() * 0.001 * (orthogonal ? 1 : 2);
    return static_cast<int>(std::lround(factor * PlotWidth()));
}

void TCustomAxisPanel::PaintAxes() {
    for (TCustomChartAxis* axis : axisList_)
        if (IsAxisShown(axis)) axis->PaintAxis(true);
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series) {
    series.ComputeVisibleRange();
    if (series.FirstVisible() == -1) return;
    TChartCanvas3D& surface = *Surface();
    series.BeginValues();
    const bool clip = clipPoints_ && ClippingAllowed();
    if (clip) surface.ClipToCube(PlotRect(), 0, Depth3D());
    series.DrawValues();
    if (clip) surface.RemoveClip();
    if (series.Marks()->Visible()) {
        const bool clipMarks = clip && series.Marks()->Clip();
        if (clipMarks) surface.ClipToCube(PlotRect(), 0, Depth3D());
        series.DrawSeriesMarks();
        if (clipMarks) surface.RemoveClip();
    }
    series.EndValues();
}

void TCustomAxisPanel::PaintZoomRectangle() {
    TChartCanvas3D& surface = *Surface();
    const TZoomPanning& drag = ZoomDrag();
    TChartPen* pen = surface.Pen();
    pen->SetVisible(true);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetColor(ColorToRGB(Color()) == clWhite ? clBlack : Color());
    pen->SetMode(pmNotXor);
    surface.Brush()->SetStyle(bsClear);
    surface.DrawRectangle(drag.X0, drag.Y0, drag.X1, drag.Y1);
    pen->SetMode(pmCopy);
}

TChart::TChart(QWidget* parent) : TCustomChart(parent) {}
TChart::~TChart() = default;
