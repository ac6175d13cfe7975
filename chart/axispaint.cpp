#include "chart/axispaint.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "chart/axis.h"
#include "chart/axislabels.h"
#include "chart/axisticks.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/series.h"
#include "chart/serieslist.h"

namespace {

// Text alignment and first shift of DrawAxisText, by side of the chart rectangle.
struct TextPlacement {
    int Align = TA_LEFT | TA_TOP;
    int ShiftX = 0;  // in half font heights
    int ShiftY = 0;
};

// One entry per side, in TAxisSide's order.
TextPlacement PlacementFor(TAxisSide side, int angle) {
    const int ct = TA_CENTER | TA_TOP;
    const int cb = TA_CENTER | TA_BOTTOM;
    const int lt = TA_LEFT | TA_TOP;
    const int rt = TA_RIGHT | TA_TOP;
    switch (angle) {
        case 0: {
            const TextPlacement table[] = {{ct}, {cb}, {rt, 0, -1}, {lt, 0, -1}};
            return table[static_cast<int>(side)];
        }
        case 90: {
            const TextPlacement table[] = {{rt, -1, 0}, {lt, -1, 0}, {cb}, {ct}};
            return table[static_cast<int>(side)];
        }
        case 180: {
            const TextPlacement table[] = {{cb}, {ct}, {lt, 0, 1}, {rt, 0, 1}};
            return table[static_cast<int>(side)];
        }
        case 270: {
            const TextPlacement table[] = {{lt, 1, 0}, {rt, 1, 0}, {ct}, {cb}};
            return table[static_cast<int>(side)];
        }
        default:
            return {};
    }
}

// Band sizes, tick lengths and shifts are integer properties without bounds: pixel sums are formed
// wide and kept at the int limits.
int Saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool IsIntersectionEmpty(const TRect& a, const TRect& b) {
    return std::max(a.Left, b.Left) >= std::min(a.Right, b.Right) ||
           std::max(a.Top, b.Top) >= std::min(a.Bottom, b.Bottom);
}

TRect Intersection(const TRect& a, const TRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

// Restores the chart's OnGetAxisLabel when it goes out of scope.
class LabelEventPause {
  public:
    explicit LabelEventPause(TCustomAxisPanel* chart)
        : chart_(chart), saved_(std::move(chart->OnGetAxisLabel)) {
        chart_->OnGetAxisLabel = nullptr;
    }
    ~LabelEventPause() { chart_->OnGetAxisLabel = std::move(saved_); }
    LabelEventPause(const LabelEventPause&) = delete;
    LabelEventPause& operator=(const LabelEventPause&) = delete;

  private:
    TCustomAxisPanel* chart_;
    TAxisOnGetLabel saved_;
};

// Whether text at this angle runs along the axis, so that its depth across the axis is one line.
bool RunsAlongAxis(bool isHorizontal, int angle) {
    return isHorizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

// The side an axis is laid out on; the depth axis counts as the far vertical one, the right.
TAxisSide PlotSide(TAxisSide side) {
    return side == asDepth ? asRight : side;
}

}  // namespace

// ---- Sides ----

int TCustomChartAxis::EdgeOf(const TRect& rect) const {
    const TAxisSide side = PlotSide(side_);
    switch (side) {
        case asBottom:
            return rect.Bottom;
        case asTop:
            return rect.Top;
        case asLeft:
            return rect.Left;
        default:
            return rect.Right;
    }
}

void TCustomChartAxis::ShrinkOnSide(TRect& rect, int n) const {
    const TAxisSide side = PlotSide(side_);
    switch (side) {
        case asBottom:
            rect.Bottom = Saturated(static_cast<long long>(rect.Bottom) - n);
            break;
        case asTop:
            rect.Top = Saturated(static_cast<long long>(rect.Top) + n);
            break;
        case asLeft:
            rect.Left = Saturated(static_cast<long long>(rect.Left) + n);
            break;
        default:  // the right axis
            rect.Right = Saturated(static_cast<long long>(rect.Right) - n);
            break;
    }
}

// Moving outward: down for the bottom axis, up for the top, left for the left, right for the right.
int TCustomChartAxis::OutwardOf(int anchor, int n) const {
    const TAxisSide side = PlotSide(side_);
    const long long a = anchor;
    return Saturated(side == asBottom || side == asRight ? a + n : a - n);
}

int TCustomChartAxis::Offset(const TRect& rect, int anchor) const {
    if (positionPercent_ == 0) return anchor;
    const long long extent = IsHorizontal() ? static_cast<long long>(rect.Bottom) - rect.Top
                                            : static_cast<long long>(rect.Right) - rect.Left;
    const long long shift = RoundHalfEven(0.01L * positionPercent_ * extent);
    const TAxisSide side = PlotSide(side_);
    return Saturated(side == asBottom || side == asRight ? anchor - shift : anchor + shift);
}

// ---- Bands ----

void TCustomChartAxis::ComputeBands(TRect& rect, bool shrink) {
    isDateTimeAxis_ = ShowsDateTime();
    if (IsDepth()) {
        if (shrink) titlePixel_ = rect.Right;
        return;
    }
    if (!shrink) {
        axisPixel_ = Offset(rect, EdgeOf(rect));
        labelsPixel_ = OutwardOf(axisPixel_, TickBandSize());
        titlePixel_ = OutwardOf(labelsPixel_, LabelsBandSize());
        return;
    }
    if (!title_->Caption().empty()) {
        ShrinkOnSide(rect, TitleBandSize());
        titlePixel_ = EdgeOf(rect);
    }
    if (labels_) {
        ShrinkOnSide(rect, LabelsBandSize());
        labelsPixel_ = EdgeOf(rect);
    }
    const int n = Saturated(static_cast<long long>(TickBandSize()) + (chart_ ? chart_->WallSize(this) : 0));
    if (n > 0) ShrinkOnSide(rect, n);
    titlePixel_ = Offset(rect, titlePixel_);
    labelsPixel_ = Offset(rect, labelsPixel_);
}

int TCustomChartAxis::TickBandSize() const {
    long long size = axisPen_->Visible() ? axisPen_->Width() : 0;
    if (ticks_->Visible()) size += tickLength_;
    if (minorTicks_->Visible()) size = std::max<long long>(size, minorTickLength_);
    return Saturated(size);
}

int TCustomChartAxis::LabelsBandSize() {
    if (labelsSize_ != 0) return labelsSize_;
    if (!chart_) return 0;
    chart_->UseFont(*labelsFont_);
    if (RunsAlongAxis(IsHorizontal(), labelsAngle_)) return chart_->Surface()->LineHeight();
    switch (EffectiveLabelStyle()) {
        case talValue:
            return WidestValueLabel();
        case talMark:
        case talText:
            return WidestSeriesLabel();
        default:
            return 0;
    }
}

int TCustomChartAxis::WidestSeriesLabel() const {
    int widest = 0;
    int lines = 0;
    const TChartSeriesList& list = chart_->SeriesList();
    for (int i = 0; i < list.Count(); ++i) {
        const TChartSeries* series = list.At(i);
        for (int index = 0; index < series->PointLabelCount(); ++index)
            widest = std::max(widest, chart_->TextBlockWidth(series->PointLabel(index), lines));
    }
    return widest;
}

int TCustomChartAxis::TitleBandSize() const {
    if (titleSize_ != 0) return titleSize_;
    if (!chart_) return 0;
    chart_->UseFont(*title_->Font());
    if (RunsAlongAxis(IsHorizontal(), title_->Angle())) return chart_->Surface()->LineHeight();
    return chart_->Surface()->MeasureWidth(title_->Caption());
}

int TCustomChartAxis::WidestValueLabel() {
    if (!chart_) return 0;
    double lo = range_.Min();
    double hi = range_.Max();
    if ((ShowsDateTime() && exactDateTime_) || roundFirstLabel_) {
        const double step = ComputeLabelStep();
        lo = std::trunc(range_.Min() / step) * step;
        hi = std::trunc(range_.Max() / step) * step;
    }
    LabelEventPause pause(chart_);
    int lines = 0;
    const int widest = std::max(chart_->TextBlockWidth(LabelTextOf(hi), lines),
                                chart_->TextBlockWidth(LabelTextOf(lo), lines));
    return widest + chart_->Surface()->MeasureWidth(" ");
}

// ---- Painting ----

void TCustomChartAxis::PaintAxis(bool placeAxisLine) {
    // The depth axis only paints in 3-D, which this chart engine does not draw.
    if (IsDepth() || !chart_) return;
    isDateTimeAxis_ = ShowsDateTime();
    chart_->UseFont(*labelsFont_);
    const double step = ComputeLabelStep();
    const TRect plot = chart_->PlotRect();
    if (placeAxisLine) axisPixel_ = Offset(plot, EdgeOf(plot));
    if (!title_->Caption().empty()) DrawTitle();
    tickPositions_->Clear();
    RunLabelPass(step);
    DrawTicksAndGrid(*tickPositions_);
}

void TCustomChartAxis::UseTextFont(const TFont& font) {
    chart_->UseFont(font);
    TBrush* brush = chart_->Surface()->Brush();
    brush->SetColor(chart_->Color());
    brush->SetStyle(bsClear);
}

void TCustomChartAxis::PlaceLabel(int pixel, const std::string& text) {
    if (!chart_) return;
    if (tickOnLabelsOnly_) tickPositions_->Add(pixel);
    UseTextFont(*labelsFont_);
    if (IsHorizontal())
        DrawAxisText(pixel, labelsPixel_, text, labelsAngle_);
    else
        DrawAxisText(labelsPixel_, pixel, text, labelsAngle_);
}

void TCustomChartAxis::DrawTitle() {
    UseTextFont(*title_->Font());
    if (IsHorizontal())
        DrawAxisText(pixels_.Center(), titlePixel_, title_->Caption(), title_->Angle());
    else
        DrawAxisText(titlePixel_, pixels_.Center(), title_->Caption(), title_->Angle());
}

int TCustomChartAxis::DepthOfSide() const {
    return IsOtherSide() ? chart_->Depth3D() : 0;
}

void TCustomChartAxis::DrawAxisText(int x, int y, const std::string& text, int angle) {
    const TAxisSide side = PlotSide(side_);
    if (!chart_) return;
    TChartCanvas3D* surface = chart_->Surface();
    const int height = surface->LineHeight();
    const int half = height / 2;
    const TextPlacement placement = PlacementFor(side, angle);
    // Anchors may sit at the int limits: the shifts are formed wide.
    long long cx = x + static_cast<long long>(placement.ShiftX) * half;
    long long cy = y + static_cast<long long>(placement.ShiftY) * half;
    surface->ApplyTextAlign(placement.Align);
    const int z = DepthOfSide();
    const int n = TextLineCount(text);
    const int fh = angle == 180 || angle == 270 ? -height : height;
    const long long block = static_cast<long long>(fh) * n;
    const long long centred = RoundHalfEven(fh * 0.5L * (n + 1));
    if (IsHorizontal()) {
        if (angle == 0)
            cy -= side == asTop ? block : fh;
        else if (angle == 180)
            cy -= side == asTop ? fh : block;
        else if (angle == 90 || angle == 270)
            cx -= centred;
    } else {
        if (angle == 0 || angle == 180)
            cy -= centred;
        else if (angle == 90)
            cx -= side == asRight ? fh : block;
        else if (angle == 270)
            cx -= side == asRight ? block : fh;
    }
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t end = std::min(text.find('\r', begin), text.size());
        const std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (angle == 0 || angle == 180)
            cy += fh;
        else if (angle == 90 || angle == 270)
            cx += fh;
        if (angle == 0)
            surface->PutTextZ(Saturated(cx), Saturated(cy), z, line);
        else
            surface->PutRotatedTextZ(Saturated(cx), Saturated(cy), z, line, angle);
    }
    surface->ApplyTextAlign(TA_LEFT | TA_TOP);
}

// ---- Ticks and grid ----

void TCustomChartAxis::DrawTick(int pixel, int offset, long long length) const {
    const TAxisSide side = PlotSide(side_);
    TChartCanvas3D* surface = chart_->Surface();
    long long o = offset;
    if (side == asBottom || side == asLeft) o += chart_->WallSize(this);
    const long long a = axisPixel_;
    switch (side) {
        case asBottom:
            surface->DrawVerticalZ(pixel, Saturated(a + o), Saturated(a + o + length), 0);
            break;
        case asTop:
            surface->DrawVerticalZ(pixel, Saturated(a - o), Saturated(a - o - length), DepthOfSide());
            break;
        case asLeft:
            surface->DrawHorizontalZ(Saturated(a - o), Saturated(a - o - length), pixel, 0);
            break;
        default:  // the right axis
            surface->DrawHorizontalZ(Saturated(a + o), Saturated(a + o + length), pixel, DepthOfSide());
            break;
    }
}

void TCustomChartAxis::DrawGridLine(int pixel) const {
    const TRect plot = chart_->PlotRect();
    if (IsHorizontal())
        chart_->Surface()->DrawVertical(pixel, plot.Top, plot.Bottom);
    else
        chart_->Surface()->DrawHorizontal(plot.Left, plot.Right, pixel);
}

void TCustomChartAxis::DrawAxisLine() const {
    const TAxisSide side = PlotSide(side_);
    TChartCanvas3D* surface = chart_->Surface();
    const int w = chart_->WallSize(this);
    switch (side) {
        case asBottom:
            surface->DrawHorizontalZ(pixels_.Start() - chart_->WallSize(chart_->LeftAxis()), pixels_.End(),
                                     axisPixel_ + w, 0);
            break;
        case asTop:
            surface->DrawHorizontalZ(pixels_.Start(), pixels_.End(), axisPixel_, DepthOfSide());
            break;
        case asLeft:
            surface->DrawVerticalZ(axisPixel_ - w, pixels_.Start(),
                                   pixels_.End() + chart_->WallSize(chart_->BottomAxis()), 0);
            break;
        default:  // the right axis
            surface->DrawVerticalZ(axisPixel_, pixels_.Start(), pixels_.End(), DepthOfSide());
            break;
    }
}

void TCustomChartAxis::DrawGrid(const TickPositions& ticks) const {
    TChartCanvas3D* surface = chart_->Surface();
    surface->Brush()->SetStyle(bsClear);
    surface->ApplyBackMode(bmTransparent);
    TChartPen pen;
    pen.Assign(*grid_);
    if (pen.Color() == clDefault) pen.SetColor(clGray);
    surface->UsePen(pen);
    if (gridCentered_) {
        for (int i = 1; i < ticks.Count(); ++i) DrawGridLine(RoundHalfEven((ticks[i] + ticks[i - 1]) * 0.5L));
    } else {
        for (int i = 0; i < ticks.Count(); ++i) DrawGridLine(ticks[i]);
    }
    surface->ApplyBackMode(bmOpaque);
}

void TCustomChartAxis::DrawTicksAndGrid(const TickPositions& ticks) const {
    TChartCanvas3D* surface = chart_->Surface();
    if (axisPen_->Visible()) {
        surface->UsePen(*axisPen_);
        DrawAxisLine();
    }
    if (ticks_->Visible()) {
        surface->UsePen(*ticks_);
        for (int i = 0; i < ticks.Count(); ++i) DrawTick(ticks[i], 1, tickLength_);
    }
    if (grid_->Visible()) DrawGrid(ticks);
    if (ticksInner_->Visible()) {
        surface->UsePen(*ticksInner_);
        for (int i = 0; i < ticks.Count(); ++i)
            DrawTick(ticks[i], -1, -static_cast<long long>(tickInnerLength_));
    }
    if (ticks.Count() == 0) return;
    const TAxisTicker ticker = Ticker();
    if (minorTicks_->Visible()) {
        surface->UsePen(*minorTicks_);
        ticker.ForEachMinorPosition(ticks, minorTickCount_,
                                    [this](int p) { DrawTick(p, 1, minorTickLength_); });
    }
    if (minorGrid_->Visible()) {
        surface->UsePen(*minorGrid_);
        ticker.ForEachMinorPosition(ticks, minorTickCount_, [this](int p) { DrawGridLine(p); });
    }
}

// ---- The chart's layout ----

bool IsAxisShown(const TCustomAxisPanel& chart, const TCustomChartAxis* axis) {
    if (!chart.AxisVisible() || !axis->Visible()) return false;
    if (axis->IsDepth()) return chart.View3D();
    bool shown = true;
    const TChartSeriesList& list = chart.SeriesList();
    for (int i = 0; i < list.Count(); ++i) {
        const TChartSeries* series = list.At(i);
        if (!series->Active() || !series->DrawsOnAxes()) continue;
        shown = series->UsesAxis(axis);
        if (shown) break;
    }
    return shown;
}

void LayoutAxes(TCustomAxisPanel& chart) {
    const auto& axes = chart.AxisList();
    for (TCustomChartAxis* axis : axes) axis->RefreshRange();
    chart.RecomputePlotSize();
    TRect r = chart.PlotRect();
    for (size_t i = 0; i < axes.size(); ++i) {
        if (!IsAxisShown(chart, axes[i])) continue;
        TRect q = r;
        axes[i]->ComputeBands(q, i < StandardAxisCount);
        // An axis whose bands leave nothing of the rectangle does not take them.
        if (!IsIntersectionEmpty(q, r)) r = Intersection(q, r);
    }
    chart.SetPlotRect(r);
    chart.RecomputePlotSize();
    for (TCustomChartAxis* axis : axes) axis->ComputePositions();
}

void FitAxesToSeriesMargins(TCustomAxisPanel& chart) {
    const TChartSeriesList& list = chart.SeriesList();
    for (TCustomChartAxis* axis :
         {static_cast<TCustomChartAxis*>(chart.TopAxis()), static_cast<TCustomChartAxis*>(chart.LeftAxis()),
          static_cast<TCustomChartAxis*>(chart.RightAxis()),
          static_cast<TCustomChartAxis*>(chart.BottomAxis())}) {
        int left = 0, top = 0, right = 0, bottom = 0;
        for (int i = 0; i < list.Count(); ++i) {
            const TChartSeries* series = list.At(i);
            if (!series->Active() || !series->UsesAxis(axis)) continue;
            int a = 0, b = 0;
            if (axis->IsHorizontal()) {
                series->HorizontalMargins(a, b);
                if (axis->AutomaticMinimum()) left = std::max(left, a);
                if (axis->AutomaticMaximum()) right = std::max(right, b);
            } else {
                series->VerticalMargins(a, b);
                if (axis->AutomaticMaximum()) top = std::max(top, a);
                if (axis->AutomaticMinimum()) bottom = std::max(bottom, b);
            }
        }
        axis->FitRangeToMargins(left, top, right, bottom);
    }
}
