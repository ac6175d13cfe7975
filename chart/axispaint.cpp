#include "chart/axispaint.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "chart/axis.h"
#include "chart/axislabels.h"
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

enum class Side { Bottom, Top, Left, Right };

TextPlacement PlacementFor(Side side, int angle) {
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

// Clears the axis' pointer to the tick positions of a paint when the paint ends.
class PaintTicks {
  public:
    explicit PaintTicks(TickPositions*& slot) : slot_(slot) { slot_ = &positions_; }
    ~PaintTicks() { slot_ = nullptr; }
    PaintTicks(const PaintTicks&) = delete;
    PaintTicks& operator=(const PaintTicks&) = delete;
    const TickPositions& Positions() const { return positions_; }

  private:
    TickPositions*& slot_;
    TickPositions positions_;
};

Side SideOf(const TCustomChartAxis& axis) {
    if (axis.IsHorizontal()) return axis.IsOtherSide() ? Side::Top : Side::Bottom;
    return axis.IsOtherSide() ? Side::Right : Side::Left;
}

// Whether text at this angle runs along the axis, so that its depth across the axis is one line.
bool RunsAlongAxis(bool isHorizontal, int angle) {
    return isHorizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

// Visits position(j) for j = 1 ... count until it gives none. The positions must not decrease or not
// increase with j: a run of equal positions is visited once and skipped by bisection, so that a huge
// count costs time only per distinct pixel.
// Callables are taken as they are: a std::function of these lambdas would allocate on every run.
template <class Position, class Visit>
void VisitMonotonicRun(int count, const Position& position, const Visit& visit) {
    long long j = 1;
    while (j <= count) {
        const std::optional<long long> p = position(static_cast<int>(j));
        if (!p) return;
        visit(*p);
        long long same = j;  // the last j known to give p
        long long stride = 1;
        long long beyond = j + 1;
        while (beyond <= count && position(static_cast<int>(beyond)) == p) {
            same = beyond;
            stride *= 2;
            beyond = same + stride;
        }
        beyond = std::min<long long>(beyond, static_cast<long long>(count) + 1);
        while (beyond - same > 1) {
            const long long middle = same + (beyond - same) / 2;
            if (position(static_cast<int>(middle)) == p)
                same = middle;
            else
                beyond = middle;
        }
        j = same + 1;
    }
}

}  // namespace

// ---- Sides ----

int TCustomChartAxis::EdgeOf(const TRect& rect) const {
    switch (SideOf(*this)) {
        case Side::Bottom:
            return rect.Bottom;
        case Side::Top:
            return rect.Top;
        case Side::Left:
            return rect.Left;
        default:
            return rect.Right;
    }
}

void TCustomChartAxis::ShrinkOnSide(TRect& rect, int n) const {
    switch (SideOf(*this)) {
        case Side::Bottom:
            rect.Bottom = Saturated(static_cast<long long>(rect.Bottom) - n);
            break;
        case Side::Top:
            rect.Top = Saturated(static_cast<long long>(rect.Top) + n);
            break;
        case Side::Left:
            rect.Left = Saturated(static_cast<long long>(rect.Left) + n);
            break;
        case Side::Right:
            rect.Right = Saturated(static_cast<long long>(rect.Right) - n);
            break;
    }
}

// Moving outward: down for the bottom axis, up for the top, left for the left, right for the right.
int TCustomChartAxis::OutwardOf(int anchor, int n) const {
    const Side side = SideOf(*this);
    const long long a = anchor;
    return Saturated(side == Side::Bottom || side == Side::Right ? a + n : a - n);
}

int TCustomChartAxis::Offset(const TRect& rect, int anchor) const {
    if (positionPercent_ == 0) return anchor;
    const long long extent = isHorizontal_ ? static_cast<long long>(rect.Bottom) - rect.Top
                                           : static_cast<long long>(rect.Right) - rect.Left;
    const long long shift = RoundHalfEven(0.01L * positionPercent_ * extent);
    const Side side = SideOf(*this);
    return Saturated(side == Side::Bottom || side == Side::Right ? anchor - shift : anchor + shift);
}

// ---- Bands ----

void TCustomChartAxis::ComputeBands(TRect& rect, bool shrink) {
    isDateTimeAxis_ = ShowsDateTime();
    if (isDepth_) {
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
    if (RunsAlongAxis(isHorizontal_, labelsAngle_)) return chart_->Surface()->LineHeight();
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
    if (RunsAlongAxis(isHorizontal_, title_->Angle())) return chart_->Surface()->LineHeight();
    return chart_->Surface()->MeasureWidth(title_->Caption());
}

int TCustomChartAxis::WidestValueLabel() {
    if (!chart_) return 0;
    double lo = rangeMin_;
    double hi = rangeMax_;
    if ((ShowsDateTime() && exactDateTime_) || roundFirstLabel_) {
        const double step = ComputeLabelStep();
        lo = std::trunc(rangeMin_ / step) * step;
        hi = std::trunc(rangeMax_ / step) * step;
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
    if (isDepth_ || !chart_) return;
    isDateTimeAxis_ = ShowsDateTime();
    chart_->UseFont(*labelsFont_);
    const double step = ComputeLabelStep();
    const TRect plot = chart_->PlotRect();
    if (placeAxisLine) axisPixel_ = Offset(plot, EdgeOf(plot));
    if (!title_->Caption().empty()) DrawTitle();
    PaintTicks ticks(ticksInPaint_);
    RunLabelPass(step);
    DrawTicksAndGrid(ticks.Positions());
}

void TCustomChartAxis::UseTextFont(const TFont& font) {
    chart_->UseFont(font);
    TBrush* brush = chart_->Surface()->Brush();
    brush->SetColor(chart_->Color());
    brush->SetStyle(bsClear);
}

void TCustomChartAxis::PlaceLabel(int pixel, const std::string& text) {
    if (!chart_) return;
    if (tickOnLabelsOnly_ && ticksInPaint_) ticksInPaint_->Add(pixel);
    UseTextFont(*labelsFont_);
    if (isHorizontal_)
        DrawAxisText(pixel, labelsPixel_, text, labelsAngle_);
    else
        DrawAxisText(labelsPixel_, pixel, text, labelsAngle_);
}

void TCustomChartAxis::DrawTitle() {
    UseTextFont(*title_->Font());
    if (isHorizontal_)
        DrawAxisText(centerPixel_, titlePixel_, title_->Caption(), title_->Angle());
    else
        DrawAxisText(titlePixel_, centerPixel_, title_->Caption(), title_->Angle());
}

int TCustomChartAxis::DepthOfSide() const {
    return isOtherSide_ ? chart_->Depth3D() : 0;
}

void TCustomChartAxis::DrawAxisText(int x, int y, const std::string& text, int angle) {
    if (!chart_) return;
    TChartCanvas3D* surface = chart_->Surface();
    const int height = surface->LineHeight();
    const int half = height / 2;
    const Side side = SideOf(*this);
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
    if (isHorizontal_) {
        if (angle == 0)
            cy -= side == Side::Top ? block : fh;
        else if (angle == 180)
            cy -= side == Side::Top ? fh : block;
        else if (angle == 90 || angle == 270)
            cx -= centred;
    } else {
        if (angle == 0 || angle == 180)
            cy -= centred;
        else if (angle == 90)
            cx -= side == Side::Right ? fh : block;
        else if (angle == 270)
            cx -= side == Side::Right ? block : fh;
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
    TChartCanvas3D* surface = chart_->Surface();
    const Side side = SideOf(*this);
    long long o = offset;
    if (side == Side::Bottom || side == Side::Left)
        o += chart_->WallSize(const_cast<TCustomChartAxis*>(this));
    const long long a = axisPixel_;
    switch (side) {
        case Side::Bottom:
            surface->DrawVerticalZ(pixel, Saturated(a + o), Saturated(a + o + length), 0);
            break;
        case Side::Top:
            surface->DrawVerticalZ(pixel, Saturated(a - o), Saturated(a - o - length), DepthOfSide());
            break;
        case Side::Left:
            surface->DrawHorizontalZ(Saturated(a - o), Saturated(a - o - length), pixel, 0);
            break;
        case Side::Right:
            surface->DrawHorizontalZ(Saturated(a + o), Saturated(a + o + length), pixel, DepthOfSide());
            break;
    }
}

void TCustomChartAxis::DrawGridLine(int pixel) const {
    const TRect plot = chart_->PlotRect();
    if (isHorizontal_)
        chart_->Surface()->DrawVertical(pixel, plot.Top, plot.Bottom);
    else
        chart_->Surface()->DrawHorizontal(plot.Left, plot.Right, pixel);
}

void TCustomChartAxis::DrawAxisLine() const {
    TChartCanvas3D* surface = chart_->Surface();
    auto* self = const_cast<TCustomChartAxis*>(this);
    const int w = chart_->WallSize(self);
    switch (SideOf(*this)) {
        case Side::Bottom:
            surface->DrawHorizontalZ(startPixel_ - chart_->WallSize(chart_->LeftAxis()), endPixel_,
                                     axisPixel_ + w, 0);
            break;
        case Side::Top:
            surface->DrawHorizontalZ(startPixel_, endPixel_, axisPixel_, DepthOfSide());
            break;
        case Side::Left:
            surface->DrawVerticalZ(axisPixel_ - w, startPixel_,
                                   endPixel_ + chart_->WallSize(chart_->BottomAxis()), 0);
            break;
        case Side::Right:
            surface->DrawVerticalZ(axisPixel_, startPixel_, endPixel_, DepthOfSide());
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
    if (minorTicks_->Visible()) {
        surface->UsePen(*minorTicks_);
        MinorPositions(ticks, [this](int p) { DrawTick(p, 1, minorTickLength_); });
    }
    if (minorGrid_->Visible()) {
        surface->UsePen(*minorGrid_);
        MinorPositions(ticks, [this](int p) { DrawGridLine(p); });
    }
}

void TCustomChartAxis::MinorPositions(const TickPositions& ticks,
                                      const std::function<void(int)>& visit) const {
    const int k = minorTickCount_;
    const int n = ticks.Count();
    if (k < 1) return;
    const auto use = [&](long long p) {
        if (startPixel_ < p && p < endPixel_) visit(static_cast<int>(p));
    };
    if (logarithmic_) {
        for (int i = 1; i < n; ++i) LogMinorRun(ticks[i - 1], use);
        return;
    }
    // tick - Round(j x s) for j = 1 ... k; a run away from the labels ends where it cannot reach the axis.
    const auto run = [&](long long tick, double s, bool outward) {
        const long double reach = std::llabs(lengthPixels_) + std::llabs(tick - centerPixel_) + 1;
        VisitMonotonicRun(
            k,
            [&](int j) -> std::optional<long long> {
                const long double offset = j * static_cast<long double>(s);
                if (outward && std::fabs(offset) > reach) return std::nullopt;
                return tick - RoundHalfEven(offset);
            },
            use);
    };
    const auto spacing = [&](int i) {
        return (static_cast<long long>(ticks[i]) - ticks[i - 1]) * 1.0 / (k + 1.0);
    };
    if (n > 1) {
        run(ticks[0], spacing(1), true);
        run(ticks[n - 1], -spacing(1), true);
    }
    for (int i = 1; i < n; ++i) run(ticks[i], spacing(i), false);
}

void TCustomChartAxis::LogMinorRun(int tick, const std::function<void(long long)>& use) const {
    const int k = minorTickCount_;
    const double first = ValueAtPixel(tick);
    const double d = (logarithmicBase_ * first - first) / (k + 1.0);
    if (k > PlainMinorCount) {
        VisitMonotonicRun(
            k,
            [&](int j) -> std::optional<long long> {
                const double v = first + j * d;
                if (v > rangeMax_) return std::nullopt;
                return PixelOf(v);
            },
            use);
        return;
    }
    double v = first;
    for (int j = 1; j <= k; ++j) {
        v = v + d;
        if (v > rangeMax_) break;
        use(PixelOf(v));
    }
}

// ---- The chart's layout ----

bool IsAxisShown(const TCustomAxisPanel& chart, TCustomChartAxis* axis) {
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
        axes[i]->ComputeBands(q, i < 5);
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
