// Pens and brushes: the toolkit pen and brush, the chart pen with its presets, the chart brush.
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>

#include "chart/chartfwd.h"

enum TPenMode : std::uint8_t {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// The toolkit pen. Every setter that changes a value calls OnChange.
class TPen {
  public:
    explicit TPen(std::function<void()> onChange = {}) : OnChange(std::move(onChange)) {}
    TPen(const TPen& other) = default;
    TPen& operator=(const TPen&) = delete;
    virtual ~TPen() = default;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle value);
    int Width() const { return width_; }
    void SetWidth(int value);

    // Copies Color, Mode, Style and Width (a chart pen copies Visible and SmallDots first).
    virtual void Assign(const TPen& source);

    std::function<void()> OnChange;

  protected:
    void Changed() const {
        if (OnChange) OnChange();
    }

  private:
    TColor color_ = clBlack;
    TPenMode mode_ = pmCopy;
    TPenStyle style_ = psSolid;
    int width_ = 1;
};

// A pen with Visible and SmallDots; its owner passes its repaint request as the change callback.
class TChartPen : public TPen {
  public:
    explicit TChartPen(std::function<void()> onChange = {}) : TPen(std::move(onChange)) {}

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool SmallDots() const { return smallDots_; }
    void SetSmallDots(bool value);

    void Assign(const TPen& source) override;

  private:
    bool visible_ = true;
    bool smallDots_ = false;
};

// Preset pens: they differ from TChartPen only in their defaults.
class TChartHiddenPen : public TChartPen {
  public:
    explicit TChartHiddenPen(std::function<void()> onChange = {});
};
class TDottedGrayPen : public TChartPen {
  public:
    explicit TDottedGrayPen(std::function<void()> onChange = {});
};
class TDarkGrayPen : public TChartPen {
  public:
    explicit TDarkGrayPen(std::function<void()> onChange = {});
};
class TChartAxisPen : public TChartPen {
  public:
    explicit TChartAxisPen(std::function<void()> onChange = {});
};
class TChartArrowPen : public TChartPen {
  public:
    explicit TChartArrowPen(std::function<void()> onChange = {});
};

// The toolkit brush: colour, style (solid, clear, six hatches) and an optional pattern bitmap
// that, when not empty, fills instead of the style.
class TBrush {
  public:
    explicit TBrush(std::function<void()> onChange = {}) : OnChange(std::move(onChange)) {}
    TBrush(const TBrush& other) = default;
    TBrush& operator=(const TBrush&) = delete;
    virtual ~TBrush() = default;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value);
    const QImage& Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage& value);
    // True when a pattern bitmap is assigned and it is not empty.
    bool HasBitmap() const { return !bitmap_.isNull(); }

    // Copies Color, Style and Bitmap.
    virtual void Assign(const TBrush& source);

    std::function<void()> OnChange;

  protected:
    void Changed() const {
        if (OnChange) OnChange();
    }

  private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    QImage bitmap_;
};

// The chart brush: a brush whose colour is clDefault (the owner's colour) until set.
class TChartBrush : public TBrush {
  public:
    explicit TChartBrush(std::function<void()> onChange = {});
};
