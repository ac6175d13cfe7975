#include "chart/fastline.h"

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"

namespace {

// Whether p lies exactly on the segment from a to b. In doubles: exact for on-screen pixels, and
// free of overflow for points the axes saturated at the int limits.
bool OnSegment(TPoint p, TPoint a, TPoint b) {
    const double cross = (static_cast<double>(b.X) - a.X) * (static_cast<double>(p.Y) - a.Y) -
                         (static_cast<double>(b.Y) - a.Y) * (static_cast<double>(p.X) - a.X);
    return cross == 0 && p.X >= std::min(a.X, b.X) && p.X <= std::max(a.X, b.X) &&
           p.Y >= std::min(a.Y, b.Y) && p.Y <= std::max(a.Y, b.Y);
}

}  // namespace

TFastLineSeries::TFastLineSeries(TComponent* owner)
    : TChartSeries(owner), linePen_(std::make_unique<TChartPen>([this] { RequestRepaint(); })) {
    SetSinglePointAllowed(false);
    SetExtendPastEdge(true);
}

TFastLineSeries::~TFastLineSeries() = default;

void TFastLineSeries::SetLinePen(const TChartPen& value) {
    linePen_->Assign(value);
    SetSeriesColor(value.Color());
}

void TFastLineSeries::SetSeriesColor(TColor value) {
    TChartSeries::SetSeriesColor(value);
    linePen_->SetColor(value);
}

void TFastLineSeries::Assign(const TFastLineSeries& source) {
    autoRepaint_ = source.autoRepaint_;
    linePen_->Assign(*source.linePen_);
    SetSeriesColor(source.SeriesColor());
    SetTitle(source.Title());
    SetShowInLegend(source.ShowInLegend());
    SetActive(source.Active());
}

TPoint TFastLineSeries::PixelOf(int index) const {
    const TCustomChartAxis* horiz = ResolvedHorizAxis();
    const TCustomChartAxis* vert = ResolvedVertAxis();
    if (!horiz || !vert) return {};
    return {horiz->PixelOf(PointX(index)), vert->PixelOf(PointY(index))};
}

void TFastLineSeries::LoadPen() {
    TChartCanvas3D& surface = *ParentChart()->Surface();
    surface.UsePen(*linePen_);
    if (ParentChart()->IsPrinting() && surface.Pen()->Style() != psSolid && surface.Pen()->Width() == 1)
        surface.Pen()->SetWidth(0);
    surface.Brush()->SetStyle(bsClear);
}

void TFastLineSeries::DrawValues() {
    if (!ParentChart() || FirstVisible() < 0) return;
    LoadPen();
    for (int i = FirstVisible(); i <= LastVisible(); ++i) DrawValueAt(i);
}

void TFastLineSeries::DrawValueAt(int index) {
    if (!ParentChart()) return;
    TChartCanvas3D& surface = *ParentChart()->Surface();
    const TPoint p = PixelOf(index);
    const int z = MiddleZ();
    if (index == FirstVisible()) {
        if (index >= 1) {
            // The segment entering the plot from the point before.
            const TPoint before = PixelOf(index - 1);
            surface.DrawLineZ(before.X, before.Y, p.X, p.Y, z);
        } else {
            surface.MoveToPointZ(p.X, p.Y, z);
        }
    } else {
        if (p == lastPixel_) return;
        surface.LineToPointZ(p.X, p.Y, z);
    }
    lastPixel_ = p;
}

void TFastLineSeries::PointAdded(TChartSeries* sender, int index) {
    if (autoRepaint_) {
        TChartSeries::PointAdded(sender, index);
        return;
    }
    if (!ParentChart()) return;
    ParentChart()->DrawImmediately([this, index] {
        TChartCanvas3D& surface = *ParentChart()->Surface();
        surface.UsePen(*linePen_);
        const TPoint from = PixelOf(index > 0 ? index - 1 : 0);
        surface.MoveToPointZ(from.X, from.Y, MiddleZ());
        DrawValueAt(index);
    });
}

void TFastLineSeries::DrawLegendSymbol(TRect rect) {
    if (!ParentChart()) return;
    LoadPen();
    ParentChart()->Surface()->DrawHorizontal(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}

int TFastLineSeries::PointAtPixel(TPoint position) const {
    if (FirstVisible() == -1 || LastVisible() == -1) return -1;
    TPoint previous;
    for (int i = FirstVisible(); i <= LastVisible(); ++i) {
        const TPoint p = PixelOf(i);
        if (p == position) return i;
        if (i > FirstVisible() && OnSegment(position, previous, p)) return i - 1;
        previous = p;
    }
    return -1;
}
