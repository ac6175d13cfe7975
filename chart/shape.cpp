#include "chart/shape.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"

namespace {

bool Intersects(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Which side of the line a->b the point p lies on (0 on the line). In doubles: exact for any pixel
// that can be on screen, and free of overflow for corners the axes saturated at the int limits.
double Side(TPoint a, TPoint b, TPoint p) {
    const double abx = static_cast<double>(b.X) - a.X;
    const double aby = static_cast<double>(b.Y) - a.Y;
    return abx * (static_cast<double>(p.Y) - a.Y) - aby * (static_cast<double>(p.X) - a.X);
}

bool InTriangle(TPoint p, TPoint a, TPoint b, TPoint c) {
    const double s1 = Side(a, b, p);
    const double s2 = Side(b, c, p);
    const double s3 = Side(c, a, p);
    return !((s1 < 0 || s2 < 0 || s3 < 0) && (s1 > 0 || s2 > 0 || s3 > 0));
}

bool OnSegment(TPoint p, TPoint a, TPoint b) {
    return Side(a, b, p) == 0 && p.X >= std::min(a.X, b.X) && p.X <= std::max(a.X, b.X) &&
           p.Y >= std::min(a.Y, b.Y) && p.Y <= std::max(a.Y, b.Y);
}

// Pixel arithmetic on values the axes may have saturated at the int limits: done wide, kept in range.
int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Truncated toward zero; a value beyond int saturates and NaN counts as 0.
int Trunc(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(
        std::clamp(std::trunc(v), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// (a + b) div 2, truncating toward zero, without overflow.
int Mid(int a, int b) {
    return static_cast<int>((static_cast<long long>(a) + b) / 2);
}

// Makes low < high: equal edges become one pixel apart, crossed edges are swapped.
void Order(int& low, int& high) {
    if (high == low) {
        if (low == INT_MAX) --low;
        high = low + 1;
    } else if (high < low) {
        std::swap(low, high);
    }
}

}  // namespace

TChartShape::TChartShape(TComponent* owner) : TChartSeries(owner) {
    auto repaint = [this] { RequestRepaint(); };
    SetLimitToVisible(false);
    brush_ = std::make_unique<TChartBrush>(repaint);
    brush_->SetColor(clWhite);
    font_ = std::make_unique<TFont>(NewDefaultFont(repaint));
    pen_ = std::make_unique<TChartPen>(repaint);
    SetSeriesColor(brush_->Color());
    AddPointXY(0, 0, {}, clDefault);
    AddPointXY(100, 100, {}, clDefault);
}

TChartShape::~TChartShape() = default;

void TChartShape::SetAlignment(TAlignment value) {
    Change(alignment_, value);
}
void TChartShape::SetText(const std::vector<std::string>& value) {
    text_ = value;
    RequestRepaint();
}
void TChartShape::SetRoundRectangle(bool value) {
    Change(roundRectangle_, value);
}
void TChartShape::SetStyle(TChartShapeStyle value) {
    Change(style_, value);
}
void TChartShape::SetTransparent(bool value) {
    Change(transparent_, value);
}
void TChartShape::SetXYStyle(TChartShapeXYStyle value) {
    Change(xyStyle_, value);
}

void TChartShape::SetSeriesColor(TColor value) {
    TChartSeries::SetSeriesColor(value);
    if (brush_) brush_->SetColor(value);
}

void TChartShape::Assign(const TChartShape& source) {
    alignment_ = source.alignment_;
    brush_->Assign(*source.brush_);
    font_->Assign(*source.font_);
    text_ = source.text_;
    pen_->Assign(*source.pen_);
    roundRectangle_ = source.roundRectangle_;
    style_ = source.style_;
    transparent_ = source.transparent_;
    xyStyle_ = source.xyStyle_;
    RequestRepaint();
}

TRect TChartShape::ShapeBounds() const {
    if (PointCount() < 2) return {};
    if (xyStyle_ == xysPixels) return {Trunc(X0()), Trunc(Y0()), Trunc(X1()), Trunc(Y1())};
    const TCustomChartAxis* horiz = ResolvedHorizAxis();
    const TCustomChartAxis* vert = ResolvedVertAxis();
    if (!horiz || !vert) return {};
    TRect r{horiz->PixelOf(X0()), vert->PixelOf(Y0()), 0, 0};
    if (xyStyle_ == xysAxis) {
        r.Right = horiz->PixelOf(X1());
        r.Bottom = vert->PixelOf(Y1());
    } else {
        r.Right = ClampToInt(static_cast<long long>(r.Left) + Trunc(X1()));
        r.Bottom = ClampToInt(static_cast<long long>(r.Top) + Trunc(Y1()));
    }
    return r;
}

TRect TChartShape::OrderedBounds() const {
    TRect r = ShapeBounds();
    Order(r.Top, r.Bottom);
    Order(r.Left, r.Right);
    return r;
}

void TChartShape::DrawValueAt(int index) {
    if (PointCount() != 2 || index != 0 || !ParentChart()) return;
    const TRect r = OrderedBounds();
    if (!Intersects(r, ParentChart()->PlotRect())) return;
    DrawShape(ParentChart()->View3D(), style_ == chasLine ? ShapeBounds() : r);
    DrawShapeText(r);
}

void TChartShape::DrawShape(bool /*depth*/, const TRect& figure) {
    // The flat figure; the chart's depth only moves it to the series' depth, which is 0 when flat.
    TChartCanvas3D& surface = *ParentChart()->Surface();
    surface.UsePen(*pen_);
    if (transparent_) {
        surface.Brush()->SetStyle(bsClear);
    } else {
        surface.Brush()->SetColor(brush_->Color());
        surface.Brush()->SetStyle(brush_->Style());
        surface.Brush()->SetBitmap(brush_->HasBitmap() ? brush_->Bitmap() : QImage());
    }
    surface.ApplyBackMode(bmTransparent);
    DrawFigure(figure);
}

void TChartShape::DrawFigure(const TRect& f) {
    TChartCanvas3D& s = *ParentChart()->Surface();
    const int cx = Mid(f.Left, f.Right);
    const int cy = Mid(f.Top, f.Bottom);
    auto polygon = [&s](std::initializer_list<TPoint> points) {
        const std::vector<TPoint> p(points);
        s.DrawPolygon(p, static_cast<int>(p.size()) - 1);
    };
    auto cross = [&] {
        s.DrawVertical(cx, f.Top, f.Bottom);
        s.DrawHorizontal(f.Left, f.Right, cy);
    };
    auto diagCross = [&] {
        s.DrawLine(f.Left, f.Top, f.Right, f.Bottom);
        s.DrawLine(f.Left, f.Bottom, f.Right, f.Top);
    };
    switch (style_) {
        case chasRectangle:
            if (roundRectangle_)
                s.DrawRoundRect(f.Left, f.Top, f.Right, f.Bottom, 12, 12);
            else
                s.DrawRect(f);
            break;
        case chasCircle:
            s.DrawEllipse(f.Left, f.Top, f.Right, f.Bottom);
            break;
        case chasVertLine:
            s.DrawVertical(cx, f.Top, f.Bottom);
            break;
        case chasHorizLine:
            s.DrawHorizontal(f.Left, f.Right, cy);
            break;
        case chasTriangle:
        case chasPyramid:
            polygon({{f.Left, f.Bottom}, {cx, f.Top}, {f.Right, f.Bottom}});
            break;
        case chasInvertTriangle:
        case chasInvertPyramid:
            polygon({{f.Left, f.Top}, {cx, f.Bottom}, {f.Right, f.Top}});
            break;
        case chasLine:
            s.DrawLine(f.Left, f.Top, f.Right, f.Bottom);
            break;
        case chasDiamond:
            polygon({{f.Left, cy}, {cx, f.Top}, {f.Right, cy}, {cx, f.Bottom}});
            break;
        case chasCube:
            s.DrawRect(f);
            break;
        case chasCross:
            cross();
            break;
        case chasDiagCross:
            diagCross();
            break;
        case chasStar:
            cross();
            diagCross();
            break;
    }
}

void TChartShape::DrawShapeText(const TRect& r) {
    if (text_.empty()) return;
    TCustomAxisPanel& chart = *ParentChart();
    TChartCanvas3D& s = *chart.Surface();
    chart.UseFont(*font_);
    if (s.Brush()->Color() == s.Font()->Color())
        s.Font()->SetColor(s.Font()->Color() == clBlack ? clWhite : clBlack);
    const int h = s.LineHeight();
    const int n = static_cast<int>(text_.size());
    const int cx = Mid(r.Left, r.Right);
    const int cy = Mid(r.Top, r.Bottom);
    int y = cy - static_cast<int>(std::nearbyint(n * h / 2.0));
    s.ApplyBackMode(bmTransparent);
    s.ApplyTextAlign(TA_LEFT | TA_TOP);
    const int penWidth = s.Pen()->Width();
    for (const std::string& line : text_) {
        const int w = s.MeasureWidth(line);
        int x = cx - w / 2;
        if (alignment_ == taLeftJustify) x = r.Left + penWidth + 4;
        if (alignment_ == taRightJustify) x = r.Right - penWidth - w - 4;
        s.PutTextZ(x, y, StartZ(), line);
        y += h;
    }
}

void TChartShape::DrawLegendSymbol(TRect rect) {
    if (ParentChart()) DrawShape(false, rect);
}

int TChartShape::PointAtPixel(TPoint p) const {
    const TRect r = ShapeBounds();
    const int cx = Mid(r.Left, r.Right);
    const int cy = Mid(r.Top, r.Bottom);
    // Area tests use the ordered rectangle, so that swapped corners hit the same figure.
    const TRect o = OrderedBounds();
    const double rx = (static_cast<double>(o.Right) - o.Left) / 2.0;
    const double ry = (static_cast<double>(o.Bottom) - o.Top) / 2.0;
    const double dx = (p.X - (static_cast<double>(o.Left) + o.Right) / 2.0) / rx;
    const double dy = (p.Y - (static_cast<double>(o.Top) + o.Bottom) / 2.0) / ry;
    bool hit = false;
    switch (style_) {
        case chasCircle:
            hit = dx * dx + dy * dy <= 1.0;
            break;
        case chasVertLine:
            hit = OnSegment(p, {cx, r.Top}, {cx, r.Bottom});
            break;
        case chasHorizLine:
            hit = OnSegment(p, {r.Left, cy}, {r.Right, cy});
            break;
        case chasLine:
            hit = OnSegment(p, {r.Left, r.Top}, {r.Right, r.Bottom});
            break;
        case chasTriangle:
        case chasPyramid:
            hit = InTriangle(p, {o.Left, o.Bottom}, {Mid(o.Left, o.Right), o.Top}, {o.Right, o.Bottom});
            break;
        case chasInvertTriangle:
        case chasInvertPyramid:
            hit = InTriangle(p, {o.Left, o.Top}, {Mid(o.Left, o.Right), o.Bottom}, {o.Right, o.Top});
            break;
        case chasDiamond:
            hit = std::abs(dx) + std::abs(dy) <= 1.0;
            break;
        default:
            hit = p.X >= o.Left && p.X < o.Right && p.Y >= o.Top && p.Y < o.Bottom;
            break;
    }
    return hit ? 0 : -1;
}
