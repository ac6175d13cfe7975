// The chart's drawing surface: a fixed set of drawing operations over a QPainter, the off-screen
// buffer the chart is painted into, and the depth-aware operations (flat on a 2-D chart).
//
// Pixel conventions (they differ from QPainter's defaults and are enforced here): no
// antialiasing; a line leaves out its end pixel; rectangles are Left, Top, Right, Bottom with
// Right and Bottom exclusive; hatches are one-pixel lines with an 8-pixel period aligned to the
// target's origin; the background mode (transparent 1, opaque 2) and colour govern hatch gaps,
// styled-pen gaps and the cell behind text.
//
// Targets. The surface draws through a QPainter that is already active on some device. The
// surface owns its off-screen QImage and a painter on it that stays active while the image
// lives, so a paint allocates nothing once the image exists. The window side works like this
// (what the chart panel's paintEvent does):
//
//     QPainter window(this);                       // the window canvas of this paint
//     surface.AttachTarget(&window);
//     if (!surface.RepaintFromBuffer()) {          // clean buffer: one image copy, done
//         TRect bounds = surface.PrepareSurface(&window, &view3d, color, is3D, clientRect);
//         ... draw everything within bounds ...
//         surface.PresentImage(&window, &window, clientRect);   // buffer -> window
//     }
//     surface.AttachTarget(nullptr);               // before `window` ends
//
// Unattached, the drawing operations do nothing and the measurements use a private image.
// Texts are UTF-8. Pen, brush and font belong to the surface and stay across targets.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart/chartfwd.h"
#include "chart/fonts.h"
#include "chart/pens.h"

class QFontMetrics;
class TView3DOptions;
class TPaintBuffer;
class TSpanWriter;
class TRealisedFont;
struct TLaidOutText;

// Text alignment flags of PutText: one horizontal combined with one vertical.
constexpr int TA_LEFT = 0;
constexpr int TA_RIGHT = 2;
constexpr int TA_CENTER = 6;
constexpr int TA_TOP = 0;
constexpr int TA_BOTTOM = 8;
constexpr int TA_BASELINE = 24;

// Background modes.
constexpr int bmTransparent = 1;
constexpr int bmOpaque = 2;

enum TGradientDirection : std::uint8_t {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft
};

// A picture drawn by DrawGraphic/StretchGraphic; nullptr or a null image is "no graphic".
using TGraphic = QImage;

// The abstract surface.
class TChartCanvas {
  public:
    TChartCanvas();
    virtual ~TChartCanvas();
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;

    virtual TColor QueryBackColor() const = 0;
    virtual int QueryBackMode() const = 0;
    virtual QPainter* DeviceHandle() const = 0;
    virtual bool QueryMonochrome() const = 0;
    virtual int QueryTextAlign() const = 0;
    virtual bool QueryBuffered() const = 0;
    virtual void ApplyBackColor(TColor colour) = 0;
    virtual void ApplyBackMode(int mode) = 0;
    virtual void ApplyMonochrome(bool flag) = 0;
    virtual void PutPixel(int x, int y, TColor colour) = 0;
    virtual void ApplyTextAlign(int flags) = 0;
    virtual void ApplyBuffered(bool flag) = 0;
    virtual void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void DrawGraphic(int x, int y, const TGraphic* graphic) = 0;
    virtual void DrawEllipse(int x0, int y0, int x1, int y1) = 0;
    virtual void FillRectangle(const TRect& rect) = 0;
    virtual void DrawBevel(const TRect& rect, TColor topColour, TColor bottomColour, int width) = 0;
    virtual void LineToPoint(int x, int y) = 0;
    virtual void MoveToPoint(int x, int y) = 0;
    virtual void DrawPieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void DrawRectangle(int x0, int y0, int x1, int y1) = 0;
    virtual void DrawRoundRect(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight) = 0;
    virtual void StretchGraphic(const TRect& rect, const TGraphic* graphic) = 0;
    virtual void PutText(int x, int y, const std::string& text) = 0;
    virtual int MeasureWidth(const std::string& text);
    virtual int MeasureHeight(const std::string& text);
    virtual void ClipToRect(const TRect& rect) = 0;
    virtual void DrawHorizontal(int x0, int x1, int y) = 0;
    virtual void DrawRect(const TRect& rect) = 0;
    virtual void DrawVertical(int x, int y0, int y1) = 0;
    virtual void EraseRect(const TRect& rect) = 0;
    virtual void FillGradient(const TRect& rect, TColor startColour, TColor endColour,
                              TGradientDirection direction) = 0;
    virtual void MarkDirty() = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
    // The closed polygon through points[0..lastIndex] (lastIndex is an index, not a count; indexes
    // past the end of `points` are ignored).
    virtual void DrawPolygon(std::span<const TPoint> points, int lastIndex) = 0;
    virtual void PutRotatedText(int x, int y, const std::string& text, int angle) = 0;
    virtual void RemoveClip() = 0;

    // The surface's own pen, brush and font: what is set on them is what the surface draws with.
    TChartPen* Pen() { return &pen_; }
    const TChartPen* Pen() const { return &pen_; }
    TBrush* Brush() { return &brush_; }
    const TBrush* Brush() const { return &brush_; }
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    bool IntoMetafile() const { return false; }

    // Draws on this painter from now on (nullptr: on nothing). The painter must stay active until
    // the surface is attached elsewhere.
    void AttachTarget(QPainter* painter);
    QPainter* Target() const { return target_; }
    // Loads the surface pen from a chart pen: invisible -> psClear only; SmallDots at width 1 ->
    // alternate pixels; otherwise Color, Mode, Style and Width.
    void UsePen(const TChartPen& chartPen);
    int LineHeight() { return MeasureHeight("W"); }
    // Pen black/1/solid, brush white/solid, font black size 10, background white and transparent.
    void RestoreDefaults();
    // Raises ChartException unless 0 <= value <= 359; the message names `description`.
    static void ValidateAngle(int value, const std::string& description);

    // Turns the fast paths off (for tests that compare them with Qt's own drawing): lines and texts
    // are then drawn by Qt, hatches with Qt's brushes and clips set afresh.
    void UseFastPaths(bool on) { fastPaths_ = on; }
    bool FastPaths() const { return fastPaths_; }

  protected:
    struct TRealisedState;

    // Which Qt pen/brush the target painter currently holds, so unchanged state is not set again.
    enum class Applied : std::uint8_t { Unknown, Chart, None, Text };

    bool PenDraws() const;
    bool BrushFills() const;
    // Puts the realised pen, brush (or no brush) and font on the painter when they changed.
    void SyncPen(QPainter& painter);
    void SyncBrush(QPainter& painter, bool fill);
    void SyncFont(QPainter& painter);
    // The current font as an outline font that can be turned (until the next SyncFont).
    void SyncRotatedFont(QPainter& painter);
    // The current font realised, and `text` laid out in it.
    TRealisedFont& RealisedFont();
    TLaidOutText& LaidOut(const std::string& text);
    void SyncTextPen(QPainter& painter);
    // Gives the target the background colour and mode.
    void SyncBackground();
    const QFontMetrics& Metrics();
    // The current hatch as a tile in the brush colour with transparent gaps, each hatch pixel
    // `scale` x `scale` pixels (nullptr: not a hatch).
    const QBrush* HatchTile(int scale);
    // The current hatch's rows (one byte per row, bit 0x80 the leftmost pixel) when the fast paths
    // may draw it (nullptr: not a hatch, or a picture brush).
    const std::array<unsigned char, 8>* HatchRows() const;

    QPainter* target_ = nullptr;
    TChartPen pen_;
    TBrush brush_;
    TFont font_;
    TColor backColor_ = clWhite;
    int backMode_ = bmTransparent;
    int textAlign_ = TA_LEFT | TA_TOP;
    bool smallDotsActive_ = false;
    bool loadingPen_ = false;
    bool fastPaths_ = true;

  private:
    QPen RealisePen() const;
    QPen CachedPen();
    QBrush RealiseBrush();
    QBrush CachedBrush();

    bool penDirty_ = true;
    bool brushDirty_ = true;
    bool fontDirty_ = true;
    Applied penState_ = Applied::Unknown;
    Applied brushState_ = Applied::Unknown;
    bool fontApplied_ = false;

  protected:
    // A solid brush of the background colour, made again only when the colour changes.
    const QBrush& BackBrush();
    std::unique_ptr<TRealisedState> realised_;
};

// The abstract depth-aware surface.
class TCanvas3D : public TChartCanvas {
  public:
    virtual void PutPixelZ(int x, int y, int z, TColor colour) = 0;
    virtual bool IsDepthRenderer() const = 0;
    virtual bool DrawsTextInDepth() const = 0;
    virtual void ScreenToPlane(int& x, int& y, int z) const = 0;
    virtual TPoint ProjectPoint(int x, int y, int z) const = 0;
    virtual TRect PrepareSurface(QPainter* targetCanvas, TView3DOptions* options, TColor panelColour,
                                 bool is3D, const TRect& bounds) = 0;
    // Copies pen, brush, font, background colour and mode and text alignment.
    virtual void CopySettings(TCanvas3D& other);
    virtual void SetProjection(int depth, const TRect& bounds, const TRect& chartRect) = 0;
    virtual void PresentImage(QPainter* windowCanvas, QPainter* defaultCanvas, const TRect& rect) = 0;
    virtual bool RepaintFromBuffer() = 0;
    virtual void DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z) = 0;
    virtual void ClipToCube(const TRect& rect, int zFront, int zBack) = 0;
    virtual void DrawCone(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                          bool dark3D, int conePercent) = 0;
    virtual void DrawCube(int left, int top, int right, int bottom, int z0, int z1, bool dark3D) = 0;
    virtual void DrawCylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                              bool dark3D) = 0;
    virtual void DrawHorizontalZ(int x0, int x1, int y, int z) = 0;
    virtual void DrawVerticalZ(int x, int y0, int y1, int z) = 0;
    virtual void DrawDepthLine(int x, int y, int z0, int z1) = 0;
    virtual void DrawEllipseZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void EnterFrontPlane() = 0;
    virtual void LeaveFrontPlane() = 0;
    virtual void DrawLineZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void MoveToPointZ(int x, int y, int z) = 0;
    virtual void LineToPointZ(int x, int y, int z) = 0;
    // Angles in degrees, counter-clockwise from the x axis.
    virtual void DrawPieSolid(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1,
                              double startAngle, double endAngle, bool darkSides, bool drawSides) = 0;
    virtual void DrawPlaneSolid(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z0, int z1) = 0;
    virtual void DrawPlaneZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z) = 0;
    virtual void DrawQuadSolid(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z0, int z1) = 0;
    virtual void DrawPolygonZ(std::span<const TPoint> points, int lastIndex, int z) = 0;
    virtual void DrawPyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                             bool dark3D) = 0;
    virtual void DrawRectangleZ(const TRect& rect, int z) = 0;
    // A rectangle lying in depth: from x0 to x1 at height y, from depth z0 to z1.
    virtual void DrawFloorRect(int x0, int x1, int y, int z0, int z1) = 0;
    // A rectangle standing in depth: from y0 to y1 at column x, from depth z0 to z1.
    virtual void DrawSideRect(int x, int y0, int y1, int z0, int z1) = 0;
    virtual void PutRotatedTextZ(int x, int y, int z, const std::string& text, int angle) = 0;
    virtual void DrawSphere(int x, int y, int z, int radius) = 0;
    virtual void DrawSurface() = 0;
    virtual void PutTextZ(int x, int y, int z, const std::string& text) = 0;
    virtual void DrawTriangleSolid(TPoint p1, TPoint p2, TPoint p3, int z0, int z1) = 0;
    virtual void DrawTriangleZ(TPoint p1, TPoint p2, TPoint p3, int z) = 0;

    TView3DOptions* View3DOptions() const { return view3DOptions_; }
    bool ProjectOrthogonal() const { return projectOrthogonal_; }

  protected:
    TView3DOptions* view3DOptions_ = nullptr;
    bool projectOrthogonal_ = false;
};

// The concrete surface over QPainter.
class TChartCanvas3D : public TCanvas3D {
  public:
    TChartCanvas3D();
    ~TChartCanvas3D() override;

    TColor QueryBackColor() const override;
    int QueryBackMode() const override;
    QPainter* DeviceHandle() const override;
    bool QueryMonochrome() const override;
    int QueryTextAlign() const override;
    bool QueryBuffered() const override;
    void ApplyBackColor(TColor colour) override;
    void ApplyBackMode(int mode) override;
    void ApplyMonochrome(bool flag) override;
    void PutPixel(int x, int y, TColor colour) override;
    void ApplyTextAlign(int flags) override;
    void ApplyBuffered(bool flag) override;
    void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void DrawGraphic(int x, int y, const TGraphic* graphic) override;
    void DrawEllipse(int x0, int y0, int x1, int y1) override;
    void FillRectangle(const TRect& rect) override;
    void DrawBevel(const TRect& rect, TColor topColour, TColor bottomColour, int width) override;
    void LineToPoint(int x, int y) override;
    void MoveToPoint(int x, int y) override;
    void DrawPieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void DrawRectangle(int x0, int y0, int x1, int y1) override;
    void DrawRoundRect(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight) override;
    void StretchGraphic(const TRect& rect, const TGraphic* graphic) override;
    void PutText(int x, int y, const std::string& text) override;
    void ClipToRect(const TRect& rect) override;
    void DrawHorizontal(int x0, int x1, int y) override;
    void DrawRect(const TRect& rect) override;
    void DrawVertical(int x, int y0, int y1) override;
    void EraseRect(const TRect& rect) override;
    void FillGradient(const TRect& rect, TColor startColour, TColor endColour,
                      TGradientDirection direction) override;
    void MarkDirty() override;
    void DrawLine(int x0, int y0, int x1, int y1) override;
    void DrawPolygon(std::span<const TPoint> points, int lastIndex) override;
    void PutRotatedText(int x, int y, const std::string& text, int angle) override;
    void RemoveClip() override;

    void PutPixelZ(int x, int y, int z, TColor colour) override;
    bool IsDepthRenderer() const override { return false; }
    bool DrawsTextInDepth() const override { return false; }
    void ScreenToPlane(int& x, int& y, int z) const override;
    TPoint ProjectPoint(int x, int y, int z) const override;
    TRect PrepareSurface(QPainter* targetCanvas, TView3DOptions* options, TColor panelColour, bool is3D,
                         const TRect& bounds) override;
    void SetProjection(int depth, const TRect& bounds, const TRect& chartRect) override;
    void PresentImage(QPainter* windowCanvas, QPainter* defaultCanvas, const TRect& rect) override;
    bool RepaintFromBuffer() override;
    void DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z) override;
    void ClipToCube(const TRect& rect, int zFront, int zBack) override;
    void DrawCone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D,
                  int conePercent) override;
    void DrawCube(int left, int top, int right, int bottom, int z0, int z1, bool dark3D) override;
    void DrawCylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                      bool dark3D) override;
    void DrawHorizontalZ(int x0, int x1, int y, int z) override;
    void DrawVerticalZ(int x, int y0, int y1, int z) override;
    void DrawDepthLine(int x, int y, int z0, int z1) override;
    void DrawEllipseZ(int x0, int y0, int x1, int y1, int z) override;
    void EnterFrontPlane() override;
    void LeaveFrontPlane() override;
    void DrawLineZ(int x0, int y0, int x1, int y1, int z) override;
    void MoveToPointZ(int x, int y, int z) override;
    void LineToPointZ(int x, int y, int z) override;
    void DrawPieSolid(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                      double endAngle, bool darkSides, bool drawSides) override;
    void DrawPlaneSolid(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z0, int z1) override;
    void DrawPlaneZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z) override;
    void DrawQuadSolid(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z0, int z1) override;
    void DrawPolygonZ(std::span<const TPoint> points, int lastIndex, int z) override;
    void DrawPyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                     bool dark3D) override;
    void DrawRectangleZ(const TRect& rect, int z) override;
    void DrawFloorRect(int x0, int x1, int y, int z0, int z1) override;
    void DrawSideRect(int x, int y0, int y1, int z0, int z1) override;
    void PutRotatedTextZ(int x, int y, int z, const std::string& text, int angle) override;
    void DrawSphere(int x, int y, int z, int radius) override;
    void DrawSurface() override {}
    void PutTextZ(int x, int y, int z, const std::string& text) override;
    void DrawTriangleSolid(TPoint p1, TPoint p2, TPoint p3, int z0, int z1) override;
    void DrawTriangleZ(TPoint p1, TPoint p2, TPoint p3, int z) override;

    // Run-time state.
    bool Buffered() const { return buffered_; }
    bool Monochrome() const { return monochrome_; }
    bool NeedsRedraw() const { return needsRedraw_; }
    bool DepthMode() const { return depthMode_; }
    bool SavedDepthMode() const { return savedDepthMode_; }
    const TRect& LastBounds() const { return lastBounds_; }
    bool ScaleTextWithZoom() const { return scaleTextWithZoom_; }
    double ProjectionZoom() const { return projectionZoom_; }
    double PerspectiveFactor() const { return perspectiveFactor_; }
    // The off-screen image (nullptr until the first buffered paint).
    const QImage* Buffer() const;
    // The device pixel ratio the buffer is made at from the next paint on: coordinates stay logical,
    // only the rasterisation is in device pixels.
    void SetDevicePixelRatio(qreal ratio) { ratio_ = ratio > 0 ? ratio : 1.0; }
    qreal DevicePixelRatio() const { return ratio_; }
    // Current position of MoveToPoint/LineToPoint.
    TPoint PenPosition() const { return position_; }

    // Asked for a repaint when ApplyMonochrome changes the mode (the panel's repaint request).
    std::function<void()> OnRepaintRequest;

  private:
    void DiscardBuffer();
    // The buffer when this paint goes into it (nullptr: it goes elsewhere).
    TPaintBuffer* IntoBuffer(const QPainter* painter) const;
    void StrokeLine(int x0, int y0, int x1, int y1);
    void DrawCosmeticLine(QPainter& painter, int x0, int y0, int x1, int y1);
    void DrawLineRuns(QPainter& painter, int x0, int y0, int x1, int y1);
    void DrawWideLine(QPainter& painter, int x0, int y0, int x1, int y1);
    void StrokeAtDeviceWidth(QPainter& painter, int x0, int y0, long long dx, long long dy);
    const QPen& DeviceWidthPen(const QPen& pen, qreal ratio, double skipped);
    template <typename Draw>
    void DrawOutlined(QPainter& painter, const Draw& draw);
    bool SpansAllowed(const QPainter& painter) const;
    bool FillsSpans(const QPainter& painter) const;
    bool FillsDashedSpans(const QPainter& painter) const;
    void DrawDashedSpans(QPainter& painter, int x0, int y0, long long dx, long long dy);
    // Fills a span of a whole-pixel line: through `writer` when there is one, else through Qt.
    void FillSpan(QPainter& painter, const std::optional<TSpanWriter>& writer, long long x, long long y,
                  long long width, long long height, const QColor& colour);
    std::optional<TSpanWriter> SpanWriter(const QPainter& painter);
    // A transparent hatch written straight into the buffer; false when it cannot be.
    bool WriteHatch(QPainter& painter, const QRect& area);
    // A solid brush of `colour`, kept for the spans of later paints.
    const QBrush& SpanBrush(const QColor& colour);
    void ApplyComposition(QPainter& painter) const;
    // How DrawTextCell puts the text into its cell: drawn by Qt, as a stamp, or not at all.
    enum class TTextDraw : std::uint8_t { Text, Stamp, CellOnly };
    // Paints the text's cell when opaque and the text; gives the text's baseline origin.
    QPoint DrawTextCell(QPainter& painter, int x, int y, TLaidOutText& text, TTextDraw draw);
    void FillStraightGradient(const TRect& rect, TColor startColour, TColor endColour,
                              TGradientDirection direction);
    void FillShapedGradient(const TRect& rect, TColor startColour, TColor endColour,
                            TGradientDirection direction);
    TPoint Project(int x, int y, int z) const;
    void DrawProjectedPolygon(std::span<const TPoint> points, int lastIndex, int z);

    // Projection centre, projected centre and rotation coefficients.
    int centreX_ = 0;
    int centreY_ = 0;
    int centreZ_ = 0;
    int projectedX_ = 0;
    int projectedY_ = 0;
    double cosElevation_ = 1.0;
    double sinElevation_ = 0.0;
    double cosRotation_ = 1.0;
    double sinRotation_ = 0.0;
    double cosTilt_ = 1.0;
    double sinTilt_ = 0.0;
    bool savedDepthMode_ = false;
    bool depthMode_ = false;
    std::unique_ptr<TPaintBuffer> buffer_;
    qreal ratio_ = 1.0;
    bool buffered_ = true;
    bool monochrome_ = false;
    bool needsRedraw_ = true;
    TRect lastBounds_;
    bool scaleTextWithZoom_ = true;
    double projectionZoom_ = 1.0;
    double perspectiveFactor_ = 0.0;
    TPoint position_;
    QPolygon polygon_;
    std::vector<TPoint> projected_;
};
