// The chart control's two lower layers: the panel with its drawing surface, margins, chart rectangle and
// repaint requests (TCustomChartPanel), and the background, picture and zoom/panning switches
// (TCustomChartPanelExtended). The paint cycle proper lives in TCustomAxisPanel (chart.h).
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "chart/chartfwd.h"
#include "chart/storechanged.h"

class TFont;
class TView3DOptions;
class TChartGradient;
class QPainter;

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TBorderStyle : std::uint8_t { bsNone, bsSingle };
enum TPanningMode : std::uint8_t { pmNone, pmHorizontal, pmVertical, pmBoth };
enum TBackImageMode : std::uint8_t { pbmStretch, pbmTile, pbmCenter };

// Event without arguments besides its sender.
using TChartNotifyEvent = std::function<void(TCustomChartPanel* sender)>;

// A mouse drag: whether it runs and its two corners (client pixels of the drawing area).
struct TZoomPanning {
    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
    void Activate(int x, int y) {
        X0 = X1 = x;
        Y0 = Y1 = y;
        Active = true;
    }
};

// Width of the sunken client edge that BorderStyle bsSingle gives the window, on each side.
constexpr int ClientEdgeWidth = 2;

class TCustomChartPanel : public QWidget {
  public:
    explicit TCustomChartPanel(QWidget* parent = nullptr);
    ~TCustomChartPanel() override;

    // Panel properties.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);

    // Margins between border and chart rectangle, in percent of the drawing area.
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int value);
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int value);
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int value);
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int value);

    bool View3D() const { return view3D_; }
    void SetView3D(bool value);
    TView3DOptions* View3DOptions() const { return view3DOptions_.get(); }
    void SetView3DOptions(const TView3DOptions& value);
    // 1 to 100; another value raises ChartException and keeps the old one.
    int Chart3DPercent() const { return chart3DPercent_; }
    void SetChart3DPercent(int value);
    bool Monochrome() const;
    void SetMonochrome(bool value);
    bool Buffered() const;
    void SetBuffered(bool value);
    bool PrintProportional() const { return printProportional_; }
    void SetPrintProportional(bool value) { printProportional_ = value; }

    // Run-time state.
    TChartCanvas3D* Surface() const { return surface_.get(); }
    bool RepaintEnabled() const { return repaintEnabled_; }
    void SetRepaintEnabled(bool value) { repaintEnabled_ = value; }
    bool IsPrinting() const { return false; }
    TRect PanelBounds() const { return panelBounds_; }
    TRect PlotRect() const { return plotRect_; }
    void SetPlotRect(const TRect& value) { plotRect_ = value; }
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotCenterX() const { return plotCenterX_; }
    int PlotCenterY() const { return plotCenterY_; }
    bool SeparateDepthSlots() const { return separateDepthSlots_; }
    void SetSeparateDepthSlots(bool value) { separateDepthSlots_ = value; }
    int HighestDepthSlot() const { return highestDepthSlot_; }
    int SeriesDepth() const { return seriesDepth_; }
    int Depth3D() const { return depth3D_; }

    // Marks the surface stale and invalidates the window; the platform merges requests into one paint.
    virtual void RequestRedraw();
    // Change callback of every pen, brush, font, gradient and picture of the chart.
    virtual void SubObjectChanged() { RequestRedraw(); }
    // Lays out and paints the whole chart onto target within rect (rect in target pixels).
    virtual void RenderTo(QPainter& target, const TRect& rect);
    // Renders the drawing area into an image of its size, as a paint would, and returns it.
    QImage RenderToImage();
    // The same at device pixel ratio `ratio`: the image is that many times as large.
    QImage RenderToImage(qreal ratio);
    // Runs `draw` on the surface at once, outside the paint cycle: into the clean buffer, which the
    // window then shows by a plain copy. While a full paint is pending (or without a buffer) nothing
    // is drawn, since that paint draws everything anyway.
    void DrawImmediately(const std::function<void()>& draw);
    virtual void DrawPanelBorder(const TRect& rect);
    virtual void UseFont(const TFont& font);
    // The drawing area: the window's client rectangle inside the sunken edge, from (0, 0).
    virtual TRect PanelClientRect() const;
    // Widens a squeezed chart rectangle and derives its width, height and centre.
    void RecomputePlotSize();
    // Largest MeasureWidth of the lines (split at character 13); lineCount receives their number.
    int TextBlockWidth(const std::string& text, int& lineCount) const;
    bool ClippingAllowed() const;

    // What the last paint produced: the buffer image (a null image when unbuffered or never painted;
    // valid until the next paint), how many full paints ran, and how many paints only copied a clean
    // buffer.
    const QImage& LastImage() const;
    int PaintCount() const { return paintCount_; }
    int BufferCopyCount() const { return bufferCopyCount_; }

    // The cursor restored when the mouse leaves the control.
    Qt::CursorShape RestingCursor() const { return restingCursor_; }
    void SetRestingCursor(Qt::CursorShape value) { restingCursor_ = value; }

  protected:
    // The paint cycle; implemented by TCustomAxisPanel.
    virtual void PaintChart(const TRect& bounds) = 0;
    // Fires when the mouse leaves; the extended layer ends panning here.
    virtual void MouseLeft() {}
    void SetDepthBookkeeping(int highestSlot, int seriesDepth, int depth3D);
    // Helper for setters: stores a changed value and requests a repaint.
    template <typename T>
    void Change(T& field, const T& value) {
        StoreChanged(field, value, [this] { RequestRedraw(); });
    }

    void paintEvent(QPaintEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void DrawClientEdge(QPainter& painter);
    void Draw3DFrame(TRect& r, TBevelCut cut, int width);
    void DrawColorFrame(TRect& r, int width);

    std::unique_ptr<TChartCanvas3D> surface_;
    std::unique_ptr<TView3DOptions> view3DOptions_;
    TColor color_ = clBtnFace;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    bool view3D_ = true;
    int chart3DPercent_ = 15;
    bool printProportional_ = true;
    bool repaintEnabled_ = false;
    TRect panelBounds_;
    TRect plotRect_;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotCenterX_ = 0;
    int plotCenterY_ = 0;
    bool separateDepthSlots_ = true;
    int highestDepthSlot_ = 0;
    int seriesDepth_ = 0;
    int depth3D_ = 0;
    int paintCount_ = 0;
    int bufferCopyCount_ = 0;
    Qt::CursorShape restingCursor_ = Qt::ArrowCursor;
};

class TCustomChartPanelExtended : public TCustomChartPanel {
  public:
    explicit TCustomChartPanelExtended(QWidget* parent = nullptr);
    ~TCustomChartPanelExtended() override;

    TChartGradient* Gradient() const { return gradient_.get(); }
    void SetGradient(const TChartGradient& value);
    const QImage& BackImage() const { return backImage_; }
    void SetBackImage(const QImage& value);
    TBackImageMode BackImageMode() const { return backImageMode_; }
    void SetBackImageMode(TBackImageMode value) { Change(backImageMode_, value); }
    bool BackImageInside() const { return backImageInside_; }
    void SetBackImageInside(bool value) { Change(backImageInside_, value); }

    bool AllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool value) { allowZoom_ = value; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode value) { allowPanning_ = value; }
    bool AnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool value) { animatedZoom_ = value; }
    int AnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int value) { animatedZoomSteps_ = value; }

    const TZoomPanning& ZoomDrag() const { return zoomDrag_; }
    const TZoomPanning& PanDrag() const { return panDrag_; }
    bool ZoomApplied() const { return zoomApplied_; }

    virtual void DrawBackImage(const TRect& rect);
    virtual void FillPanel(const TRect& rect);
    virtual void PaintPanel(const TRect& rect);

  protected:
    TZoomPanning& ZoomDragRef() { return zoomDrag_; }
    TZoomPanning& PanDragRef() { return panDrag_; }
    void SetZoomApplied(bool value) { zoomApplied_ = value; }
    void MouseLeft() override { panDrag_.Active = false; }
    // Draws the picture over rect by BackImageMode.
    void DrawPicture(const TRect& rect);

  private:
    std::unique_ptr<TChartGradient> gradient_;
    QImage backImage_;
    TBackImageMode backImageMode_ = pbmStretch;
    bool backImageInside_ = false;
    bool allowZoom_ = true;
    TPanningMode allowPanning_ = pmBoth;
    bool animatedZoom_ = false;
    int animatedZoomSteps_ = 8;
    TZoomPanning zoomDrag_;
    TZoomPanning panDrag_;
    bool zoomApplied_ = false;
};
