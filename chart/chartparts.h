// The chart's parts that carry no behaviour of their own beyond their properties: walls, titles,
// legend and background gradient. Every setter stores a changed value and asks the chart to repaint;
// pens, brushes and fonts are copied into the part's own objects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/chartfwd.h"
#include "chart/fonts.h"
#include "chart/pens.h"
#include "chart/storechanged.h"

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TLegendAlignment : std::uint8_t { laLeft, laRight, laTop, laBottom };
enum TLegendStyle : std::uint8_t { lsAuto, lsSeries, lsValues, lsLastValues };
enum TLegendTextStyle : std::uint8_t {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue
};

// Base of the chart parts: knows its chart and asks it to repaint.
class TChartPart {
  public:
    explicit TChartPart(TCustomChartPanel* chart) : chart_(chart) {}
    TChartPart(const TChartPart&) = delete;
    TChartPart& operator=(const TChartPart&) = delete;
    virtual ~TChartPart() = default;
    TCustomChartPanel* ParentChart() const { return chart_; }

  protected:
    void Repaint() const;
    std::function<void()> RepaintCallback() const {
        return [this] { Repaint(); };
    }
    template <typename T>
    void Change(T& field, const T& value) {
        StoreChanged(field, value, [this] { Repaint(); });
    }

  private:
    TCustomChartPanel* chart_;
};

class TCustomChartWall : public TChartPart {
  public:
    TCustomChartWall(TCustomChartPanel* chart, TColor defaultColor);

    TChartBrush* Brush() const { return brush_.get(); }
    void SetBrush(const TBrush& value) { brush_->Assign(value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Change(color_, value); }
    // The wall's own default colour (stored only when Color differs from it).
    TColor DefaultColor() const { return defaultColor_; }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { Change(dark3D_, value); }
    TChartPen* Pen() const { return pen_.get(); }
    void SetPen(const TPen& value) { pen_->Assign(value); }
    int Size() const { return size_; }
    void SetSize(int value) { Change(size_, value); }

    void Assign(const TCustomChartWall& source);

  private:
    std::unique_ptr<TChartBrush> brush_;
    TColor color_;
    TColor defaultColor_;
    bool dark3D_ = true;
    std::unique_ptr<TChartPen> pen_;
    int size_ = 0;
};

class TChartWall : public TCustomChartWall {
  public:
    using TCustomChartWall::TCustomChartWall;
};

class TChartTitle : public TChartPart {
  public:
    explicit TChartTitle(TCustomChartPanel* chart);

    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value) { Change(adjustFrame_, value); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Change(alignment_, value); }
    TChartBrush* Brush() const { return brush_.get(); }
    void SetBrush(const TBrush& value) { brush_->Assign(value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Change(color_, value); }
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont& value) { font_->Assign(value); }
    TChartHiddenPen* Frame() const { return frame_.get(); }
    void SetFrame(const TPen& value) { frame_->Assign(value); }
    const std::vector<std::string>& Text() const { return text_; }
    void SetText(const std::vector<std::string>& value) { Change(text_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }

    void Assign(const TChartTitle& source);

  private:
    bool adjustFrame_ = true;
    TAlignment alignment_ = taCenter;
    std::unique_ptr<TChartBrush> brush_;
    TColor color_ = clDefault;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TChartHiddenPen> frame_;
    std::vector<std::string> text_;
    bool visible_ = true;
};

class TChartLegend : public TChartPart {
  public:
    explicit TChartLegend(TCustomChartPanel* chart);

    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment value) { Change(alignment_, value); }
    TChartBrush* Brush() const { return brush_.get(); }
    void SetBrush(const TBrush& value) { brush_->Assign(value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Change(color_, value); }
    // Width of the colour marker in percent of the row height... 0 to 100, else LegendException.
    int ColorWidth() const { return colorWidth_; }
    void SetColorWidth(int value);
    TChartHiddenPen* DividingLines() const { return dividingLines_.get(); }
    void SetDividingLines(const TPen& value) { dividingLines_->Assign(value); }
    // First listed row; below 0 raises LegendException.
    int FirstValue() const { return firstValue_; }
    void SetFirstValue(int value);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont& value) { font_->Assign(value); }
    TChartPen* Frame() const { return frame_.get(); }
    void SetFrame(const TPen& value) { frame_->Assign(value); }
    int HorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int value) { Change(horizMargin_, value); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value) { Change(inverted_, value); }
    TLegendStyle LegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle value) { Change(legendStyle_, value); }
    int MaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int value) { Change(maxNumRows_, value); }
    bool ResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool value) { Change(resizeChart_, value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { Change(shadowColor_, value); }
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int value) { Change(shadowSize_, value); }
    TLegendTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TLegendTextStyle value) { Change(textStyle_, value); }
    // Top of a side legend in percent of the panel height: 0 to 100, else LegendException.
    int TopPos() const { return topPos_; }
    void SetTopPos(int value);
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int value) { Change(vertMargin_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }

    void Assign(const TChartLegend& source);

  private:
    TLegendAlignment alignment_ = laRight;
    std::unique_ptr<TChartBrush> brush_;
    TColor color_ = clWhite;
    int colorWidth_ = 12;
    std::unique_ptr<TChartHiddenPen> dividingLines_;
    int firstValue_ = 0;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TChartPen> frame_;
    int horizMargin_ = 0;
    bool inverted_ = false;
    TLegendStyle legendStyle_ = lsAuto;
    int maxNumRows_ = 10;
    bool resizeChart_ = true;
    TColor shadowColor_ = clBlack;
    int shadowSize_ = 3;
    TLegendTextStyle textStyle_ = ltsLeftValue;
    int topPos_ = 10;
    int vertMargin_ = 0;
    bool visible_ = true;
};

class TChartGradient : public TChartPart {
  public:
    explicit TChartGradient(TCustomChartPanel* chart) : TChartPart(chart) {}

    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection value) { Change(direction_, value); }
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor value) { Change(endColor_, value); }
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor value) { Change(startColor_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }

    void Assign(const TChartGradient& source);

  private:
    TGradientDirection direction_ = gdTopBottom;
    TColor endColor_ = 0x00FFFF;
    TColor startColor_ = clWhite;
    bool visible_ = false;
};
