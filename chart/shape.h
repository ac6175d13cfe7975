// The shape series: one figure (rectangle, ellipse, lines, triangles, ...) between its two points,
// with optional text lines over it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/chartparts.h"
#include "chart/fonts.h"
#include "chart/pens.h"
#include "chart/series.h"
#include "chart/storechanged.h"

enum TChartShapeStyle : std::uint8_t {
    chasRectangle,
    chasCircle,
    chasVertLine,
    chasHorizLine,
    chasTriangle,
    chasInvertTriangle,
    chasLine,
    chasDiamond,
    chasCube,
    chasCross,
    chasDiagCross,
    chasStar,
    chasPyramid,
    chasInvertPyramid
};

// How the two points become pixels: as pixels, as axis values, or the first as axis values and the
// second as a pixel size.
enum TChartShapeXYStyle : std::uint8_t { xysPixels, xysAxis, xysAxisOrigin };

class TChartShape : public TChartSeries {
  public:
    // Creates the two points (0, 0) and (100, 100).
    explicit TChartShape(TComponent* owner = nullptr);
    ~TChartShape() override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TChartBrush* Brush() const { return brush_.get(); }
    void SetBrush(const TBrush& value) { brush_->Assign(value); }
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont& value) { font_->Assign(value); }
    const std::vector<std::string>& Text() const { return text_; }
    virtual void SetText(const std::vector<std::string>& value);
    TChartPen* Pen() const { return pen_.get(); }
    void SetPen(const TPen& value) { pen_->Assign(value); }
    bool RoundRectangle() const { return roundRectangle_; }
    void SetRoundRectangle(bool value);
    TChartShapeStyle Style() const { return style_; }
    void SetStyle(TChartShapeStyle value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TChartShapeXYStyle XYStyle() const { return xyStyle_; }
    void SetXYStyle(TChartShapeXYStyle value);

    // X and Y of points 0 and 1, overwritten in place.
    double X0() const { return PointX(0); }
    void SetX0(double value) { SetPointX(0, value); }
    double Y0() const { return PointY(0); }
    void SetY0(double value) { SetPointY(0, value); }
    double X1() const { return PointX(1); }
    void SetX1(double value) { SetPointX(1, value); }
    double Y1() const { return PointY(1); }
    void SetY1(double value) { SetPointY(1, value); }

    // Also recolours the brush (the reverse does not hold).
    void SetSeriesColor(TColor value) override;
    void Assign(const TChartShape& source);

    // The pixel rectangle of the two points, unordered.
    virtual TRect ShapeBounds() const;
    // ShapeBounds with Left <= Right and Top <= Bottom, at least one pixel wide and high.
    TRect OrderedBounds() const;

    void DrawValueAt(int index) override;
    void DrawLegendSymbol(TRect rect) override;
    int PointAtPixel(TPoint position) const override;
    bool DrawsOnAxes() const override { return xyStyle_ != xysPixels; }

  private:
    template <typename T>
    void Change(T& field, const T& value) {
        StoreChanged(field, value, [this] { RequestRepaint(); });
    }
    void DrawShape(bool depth, const TRect& figure);
    void DrawFigure(const TRect& figure);
    void DrawShapeText(const TRect& rect);

    TAlignment alignment_ = taCenter;
    std::unique_ptr<TChartBrush> brush_;
    std::unique_ptr<TFont> font_;
    std::vector<std::string> text_;
    std::unique_ptr<TChartPen> pen_;
    bool roundRectangle_ = false;
    TChartShapeStyle style_ = chasCircle;
    bool transparent_ = false;
    TChartShapeXYStyle xyStyle_ = xysAxis;
};
