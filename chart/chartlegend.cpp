// TCustomChart's legend: one row per series shown in the legend, a colour marker drawn by the
// series itself and its title.
#include <algorithm>

#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/series.h"
#include "chart/serieslist.h"

namespace {

constexpr int LegendPadding = 4;

int MulDivRound(int a, int b, int c) {
    return c == 0 ? 0 : static_cast<int>((static_cast<long long>(a) * b * 2 + c) / (2LL * c));
}

}  // namespace

std::vector<TChartSeries*> TCustomChart::LegendSeries() const {
    std::vector<TChartSeries*> rows;
    for (TChartSeries* s : SeriesList().Items())
        if (s->ShowInLegend()) rows.push_back(s);
    const int first = std::min<int>(legend_->FirstValue(), static_cast<int>(rows.size()));
    rows.erase(rows.begin(), rows.begin() + first);
    if (legend_->Inverted()) std::reverse(rows.begin(), rows.end());
    return rows;
}

std::string TCustomChart::LegendText(int index, const TChartSeries& series) {
    std::string text = series.Title().empty() ? series.Name() : series.Title();
    if (OnGetLegendText) OnGetLegendText(this, index, text);
    return text;
}

void TCustomChart::DrawLegend() {
    TChartCanvas3D& surface = *Surface();
    const std::vector<TChartSeries*> rows = LegendSeries();
    if (rows.empty()) return;
    UseFont(*legend_->Font());
    const int h = std::max(1, surface.LineHeight());
    std::vector<std::string> texts;
    int widest = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        texts.push_back(LegendText(static_cast<int>(i), *rows[i]));
        widest = std::max(widest, surface.MeasureWidth(texts.back()));
    }
    const int symbolWidth = std::max(h, MulDivRound(legend_->ColorWidth(), widest + h, 100));
    const int itemWidth = LegendPadding + symbolWidth + LegendPadding + widest + LegendPadding;
    const int frameWidth = legend_->Frame()->Visible() ? legend_->Frame()->Width() : 0;
    const bool side = legend_->Alignment() == laLeft || legend_->Alignment() == laRight;
    const int count = static_cast<int>(rows.size());
    int columns = 1;
    if (!side) columns = std::clamp((PlotWidth() - 2 * frameWidth) / std::max(1, itemWidth), 1, count);
    int rowCount = (count + columns - 1) / columns;
    if (!side) rowCount = std::min(rowCount, std::max(1, legend_->MaxNumRows()));
    const int width = columns * itemWidth + 2 * frameWidth;
    const int height = rowCount * h + 2 * frameWidth + LegendPadding;
    TRect rect = PlaceLegend(width, height, frameWidth);
    if (OnGetLegendRect) OnGetLegendRect(this, rect);
    legendRect_ = rect;
    PaintLegendBox(rect);
    surface.ApplyTextAlign(TA_LEFT | TA_TOP);
    const int shown = std::min(count, columns * rowCount);
    for (int i = 0; i < shown; ++i) {
        const int left = rect.Left + frameWidth + (i % columns) * itemWidth;
        const int top = rect.Top + frameWidth + LegendPadding / 2 + (i / columns) * h;
        const TRect symbol{left + LegendPadding, top + 2, left + LegendPadding + symbolWidth, top + h - 2};
        rows[static_cast<size_t>(i)]->DrawLegendSymbol(symbol);
        UseFont(*legend_->Font());
        surface.Brush()->SetStyle(bsClear);
        surface.ApplyBackMode(bmTransparent);
        surface.PutText(symbol.Right + LegendPadding, top, texts[static_cast<size_t>(i)]);
    }
    ShrinkForLegend(rect);
}

TRect TCustomChart::PlaceLegend(int width, int height, int frameWidth) const {
    const TRect plot = PlotRect();
    const int shadow = legend_->ShadowSize();
    const int top = PanelBounds().Top + MulDivRound(legend_->TopPos(), PanelBounds().Height(), 100);
    switch (legend_->Alignment()) {
        case laLeft: {
            const int left = plot.Left + frameWidth + 1;
            return {left, top, left + width, top + height};
        }
        case laRight: {
            const int right = plot.Right - (frameWidth + 1) - shadow;
            return {right - width, top, right, top + height};
        }
        case laTop: {
            const int left = PlotCenterX() - width / 2;
            return {left, plot.Top, left + width, plot.Top + height};
        }
        case laBottom: {
            const int left = PlotCenterX() - width / 2;
            const int bottom = plot.Bottom - shadow;
            return {left, bottom - height, left + width, bottom};
        }
    }
    return {};
}

void TCustomChart::PaintLegendBox(const TRect& rect) {
    TChartCanvas3D& surface = *Surface();
    const int shadow = legend_->ShadowSize();
    if (shadow > 0) {
        surface.Brush()->SetColor(legend_->ShadowColor());
        surface.Brush()->SetStyle(bsSolid);
        surface.FillRectangle(
            {rect.Left + shadow, rect.Top + shadow, rect.Right + shadow, rect.Bottom + shadow});
    }
    surface.UsePen(*legend_->Frame());
    const TColor fill = legend_->Brush()->Color() == clDefault ? legend_->Color() : legend_->Brush()->Color();
    UseBrush(fill, legend_->Brush()->Style(), legend_->Color());
    surface.DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCustomChart::ShrinkForLegend(const TRect& rect) {
    TRect plot = PlotRect();
    const bool resize = legend_->ResizeChart();
    switch (legend_->Alignment()) {
        case laLeft:
            if (resize) plot.Left = rect.Right;
            plot.Left += legend_->HorizMargin() ? legend_->HorizMargin() : MulDivRound(3, PlotWidth(), 100);
            break;
        case laRight:
            if (resize) plot.Right = rect.Left;
            plot.Right -= legend_->HorizMargin() ? legend_->HorizMargin() : MulDivRound(3, PlotWidth(), 100);
            break;
        case laTop:
            if (resize) plot.Top = rect.Bottom + legend_->ShadowSize();
            plot.Top += legend_->VertMargin() ? legend_->VertMargin() : MulDivRound(4, PlotHeight(), 100);
            break;
        case laBottom:
            if (resize) plot.Bottom = rect.Top;
            plot.Bottom -= legend_->VertMargin() ? legend_->VertMargin() : MulDivRound(4, PlotHeight(), 100);
            break;
    }
    SetPlotRect(plot);
    RecomputePlotSize();
}
