// TCustomChart: its parts (walls, titles, legend) and how they are painted.
#include <algorithm>

#include "chart/axispaint.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/series.h"
#include "chart/serieslist.h"

namespace {

constexpr int TitleGap = 5;  // pixels between a title and the chart rectangle

// The text block of a title: its lines, each a separate entry.
int LineCount(const TChartTitle& title) {
    return static_cast<int>(title.Text().size());
}

}  // namespace

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent),
      title_(std::make_unique<TChartTitle>(this)),
      foot_(std::make_unique<TChartTitle>(this)),
      backWall_(std::make_unique<TChartWall>(this, clDefault)),
      leftWall_(std::make_unique<TChartWall>(this, 0x80FFFF)),
      legend_(std::make_unique<TChartLegend>(this)),
      bottomWall_(std::make_unique<TChartWall>(this, clWhite)) {
    backWall_->Brush()->SetStyle(bsClear);
}

TCustomChart::~TCustomChart() = default;

void TCustomChart::SetBackWall(const TChartWall& value) {
    backWall_->Assign(value);
}
void TCustomChart::SetLeftWall(const TChartWall& value) {
    leftWall_->Assign(value);
}
void TCustomChart::SetBottomWall(const TChartWall& value) {
    bottomWall_->Assign(value);
}
TChartPen* TCustomChart::Frame() const {
    return backWall_->Pen();
}
void TCustomChart::SetFrame(const TChartPen& value) {
    backWall_->SetPen(value);
}
TColor TCustomChart::BackColor() const {
    return backWall_->Color();
}
void TCustomChart::SetTitle(const TChartTitle& value) {
    title_->Assign(value);
}
void TCustomChart::SetFoot(const TChartTitle& value) {
    foot_->Assign(value);
}
void TCustomChart::SetLegend(const TChartLegend& value) {
    legend_->Assign(value);
}

void TCustomChart::SetBackColor(TColor value) {
    backWall_->SetColor(value);
    // At run time a background colour is meant to show: the wall gets a solid brush.
    if (!IsLoading() && parentWidget() != nullptr) backWall_->Brush()->SetStyle(bsSolid);
}

bool TCustomChart::ColorIsFree(TColor colour, bool checkBackground) const {
    if (SeriesList().ColorInUse(colour)) return false;
    return !checkBackground || (colour != Color() && colour != BackColor());
}

void TCustomChart::LayoutAxes() {
    ::LayoutAxes(*this);
}
void TCustomChart::FitAxesToSeriesMargins() {
    ::FitAxesToSeriesMargins(*this);
}

int TCustomChart::WallSize(const TCustomChartAxis* axis) const {
    if (!View3D() || !View3DWalls()) return 0;
    if (axis == LeftAxis()) return leftWall_->Size();
    if (axis == BottomAxis()) return bottomWall_->Size();
    return 0;
}

void TCustomChart::DrawBackImage(const TRect& rect) {
    if (!BackImage().isNull() && !BackImageInside()) DrawPicture(rect);
}

void TCustomChart::LoadWall(const TChartWall& wall) {
    TChartCanvas3D& surface = *Surface();
    surface.UsePen(*wall.Pen());
    if (wall.Brush()->HasBitmap()) {
        surface.Brush()->SetBitmap(wall.Brush()->Bitmap());
        return;
    }
    surface.Brush()->SetBitmap(QImage());
    if (wall.Color() == clDefault && wall.Brush()->Style() == bsSolid)
        surface.Brush()->SetStyle(bsClear);
    else
        UseBrush(wall.Color(), wall.Brush()->Style(), wall.Brush()->Color());
}

void TCustomChart::PaintWalls() {
    // A flat chart has only the back wall: its outline covers the chart rectangle's Right column and
    // Bottom row as well.
    LoadWall(*backWall_);
    const TRect r = PlotRect();
    Surface()->DrawRectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
    if (BackImageInside() && !BackImage().isNull()) DrawPicture({r.Left + 1, r.Top + 1, r.Right, r.Bottom});
}

void TCustomChart::PaintTitlesAndLegend() {
    TChartCanvas3D& surface = *Surface();
    surface.EnterFrontPlane();
    legendRect_ = {};
    const bool legendShown = legend_->Visible() && SeriesList().ActiveSeriesCount() > 0;
    const bool sideLegend = legend_->Alignment() == laLeft || legend_->Alignment() == laRight;
    if (legendShown && sideLegend) DrawLegend();
    if (title_->Visible()) DrawTitle(*title_, false);
    if (foot_->Visible()) DrawTitle(*foot_, true);
    if (legendShown && !sideLegend) DrawLegend();
    surface.LeaveFrontPlane();
}

void TCustomChart::DrawTitle(TChartTitle& title, bool isFoot) {
    TChartCanvas3D& surface = *Surface();
    const TChartPen& frame = *title.Frame();
    const bool framed = (frame.Visible() && frame.Color() != clDefault) || title.Brush()->Style() != bsClear;
    const int frameWidth = framed && frame.Visible() ? frame.Width() : 0;
    const int n = LineCount(title);
    TRect plot = PlotRect();
    if (n == 0) {
        if (isFoot)
            plot.Bottom -= 2 * frameWidth;
        else
            plot.Top += 2 * frameWidth;
        SetPlotRect(plot);
        RecomputePlotSize();
        return;
    }
    UseFont(*title.Font());
    const int h = surface.LineHeight();
    const int wWidth = surface.MeasureWidth("W");
    int widest = 0;
    for (const std::string& line : title.Text()) widest = std::max(widest, surface.MeasureWidth(line));
    const int blockHeight = n * h + 2 * frameWidth;
    TRect box{plot.Left, isFoot ? plot.Bottom - blockHeight : plot.Top, plot.Right,
              isFoot ? plot.Bottom : plot.Top + blockHeight};
    if (title.AdjustFrame()) {
        const int w = widest + wWidth;
        switch (title.Alignment()) {
            case taLeftJustify:
                box.Right = box.Left + w;
                break;
            case taRightJustify:
                box.Left = box.Right - w;
                break;
            case taCenter:
                box.Left = (plot.Left + plot.Right - w) / 2;
                box.Right = box.Left + w;
                break;
        }
    }
    if (framed) DrawTitleFrame(title, box);
    surface.Brush()->SetStyle(bsClear);
    surface.ApplyBackMode(bmTransparent);
    surface.ApplyTextAlign(TA_LEFT | TA_TOP);
    int y = box.Top + frameWidth;
    for (const std::string& line : title.Text()) {
        const int w = surface.MeasureWidth(line);
        int x = (plot.Left + plot.Right) / 2 - w / 2;
        if (title.Alignment() == taLeftJustify) x = plot.Left + wWidth / 2;
        if (title.Alignment() == taRightJustify) x = plot.Right - w - wWidth / 2;
        surface.PutText(x, y, line);
        y += h;
    }
    const int moved = n * h + 2 * frameWidth + TitleGap;
    if (isFoot)
        plot.Bottom -= moved;
    else
        plot.Top += moved;
    SetPlotRect(plot);
    RecomputePlotSize();
}

void TCustomChart::DrawTitleFrame(const TChartTitle& title, const TRect& box) {
    TChartCanvas3D& surface = *Surface();
    surface.UsePen(*title.Frame());
    if (title.Color() != clDefault) {
        UseBrush(title.Color(), bsSolid, title.Color());
    } else if (title.Brush()->Style() != bsSolid) {
        surface.Brush()->SetColor(title.Brush()->Color());
        surface.Brush()->SetStyle(title.Brush()->Style());
        surface.ApplyBackMode(bmTransparent);
    } else if (title.Brush()->Color() == clDefault) {
        surface.Brush()->SetStyle(bsClear);
    } else {
        UseBrush(title.Brush()->Color(), bsSolid, title.Brush()->Color());
    }
    surface.DrawRectangle(box.Left, box.Top, box.Right, box.Bottom);
}
