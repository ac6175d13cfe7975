// The flat drawing operations of the surface.
#include <QPainterPath>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "chart/canvas.h"
#include "chart/canvasgeometry.h"
#include "chart/canvasstate.h"
#include "chart/colors.h"
#include "chart/paintbuffer.h"

namespace {

QPainter::CompositionMode CompositionOf(TPenMode mode) {
    switch (mode) {
        case pmBlack:
            return QPainter::RasterOp_ClearDestination;
        case pmWhite:
            return QPainter::RasterOp_SetDestination;
        case pmNot:
            return QPainter::RasterOp_NotDestination;
        case pmNotCopy:
            return QPainter::RasterOp_NotSource;
        case pmMergePenNot:
            return QPainter::RasterOp_SourceOrNotDestination;
        case pmMaskPenNot:
            return QPainter::RasterOp_SourceAndNotDestination;
        case pmMergeNotPen:
            return QPainter::RasterOp_NotSourceOrDestination;
        case pmMaskNotPen:
            return QPainter::RasterOp_NotSourceAndDestination;
        case pmMerge:
            return QPainter::RasterOp_SourceOrDestination;
        case pmNotMerge:
            return QPainter::RasterOp_NotSourceAndNotDestination;
        case pmMask:
            return QPainter::RasterOp_SourceAndDestination;
        case pmNotMask:
            return QPainter::RasterOp_NotSourceOrNotDestination;
        case pmXor:
            return QPainter::RasterOp_SourceXorDestination;
        case pmNotXor:
            return QPainter::RasterOp_NotSourceXorDestination;
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}

void SetComposition(QPainter& painter, QPainter::CompositionMode mode) {
    if (painter.compositionMode() != mode) painter.setCompositionMode(mode);
}

// Left <= Right and Top <= Bottom.
TRect Normalised(int x0, int y0, int x1, int y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// The box whose outline a one-pixel pen draws on its first and last columns and rows.
QRect OutlineBox(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
}

// Angle in Qt's 1/16 degrees, counter-clockwise from the x axis, of the radial through x, y.
int RadialAngle(const TRect& box, int x, int y) {
    double cx = (box.Left + box.Right) / 2.0;
    double cy = (box.Top + box.Bottom) / 2.0;
    double degrees = std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
    return static_cast<int>(std::lround(degrees * 16.0));
}

// Counter-clockwise span from start to end, in (0, 360] degrees (1/16 units).
int CounterClockwiseSpan(int start, int end) {
    int span = (end - start) % (360 * 16);
    return span <= 0 ? span + 360 * 16 : span;
}

int ClampTo(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

// The normalised rectangle with every edge brought to within `margin` pixels of the visible area,
// so that its size fits an int whatever the coordinates.
TRect ClampedToArea(const QRect& area, int x0, int y0, int x1, int y1, int margin) {
    TRect r = Normalised(x0, y0, x1, y1);
    const int left = area.left() - margin;
    const int right = area.right() + 1 + margin;
    const int top = area.top() - margin;
    const int bottom = area.bottom() + 1 + margin;
    return {ClampTo(r.Left, left, right), ClampTo(r.Top, top, bottom), ClampTo(r.Right, left, right),
            ClampTo(r.Bottom, top, bottom)};
}

// Curved figures far larger than any device are cut down to a size Qt can still compute with.
constexpr int kCurveLimit = 1 << 24;
// Longer styled lines are left to Qt, which skips what lies off the device.
constexpr long long kDashedSpanLimit = 1 << 16;

// Moved by whole pixels only, spans and text stamps give exactly the pixels Qt's drawing would.
bool MovesByWholePixels(const QTransform& transform) {
    return transform.type() <= QTransform::TxTranslate && transform.dx() == std::floor(transform.dx()) &&
           transform.dy() == std::floor(transform.dy());
}

// A stamp is made at a whole device pixel ratio, so that every logical pixel is whole device pixels;
// at a fractional one Qt draws the text from the font at the device size (0: no stamp fits).
int StampScale(const QPainter& painter) {
    return MovesByWholePixels(painter.worldTransform()) ? WholeRatio(painter.device()->devicePixelRatio())
                                                        : 0;
}

TRect CurveBox(int x0, int y0, int x1, int y1) {
    TRect r = Normalised(x0, y0, x1, y1);
    return {std::clamp(r.Left, -kCurveLimit, kCurveLimit), std::clamp(r.Top, -kCurveLimit, kCurveLimit),
            std::clamp(r.Right, -kCurveLimit, kCurveLimit), std::clamp(r.Bottom, -kCurveLimit, kCurveLimit)};
}

// Qt's raster engine hands a fill of more than about 96 device rows to its thread pool, which
// allocates and wakes other threads; bands of at most 64 rows are filled on this thread, with the
// same pixels, since where a brush's pattern lies does not depend on the rectangle filled.
void FillInBands(QPainter& painter, const QRect& area, const QBrush& brush) {
    constexpr int kBandRows = 64;
    const qreal rowsPerUnit = std::abs(painter.deviceTransform().m22());
    const int band = static_cast<int>(std::clamp<qreal>(kBandRows / rowsPerUnit, 1, kBandRows));
    for (int top = area.top(); top <= area.bottom(); top += band)
        painter.fillRect(QRect(area.left(), top, area.width(), std::min(band, area.bottom() + 1 - top)),
                         brush);
}

}  // namespace

TChartCanvas3D::TChartCanvas3D() : buffer_(std::make_unique<TPaintBuffer>()) {}

TChartCanvas3D::~TChartCanvas3D() = default;

TColor TChartCanvas3D::QueryBackColor() const {
    return backColor_;
}
int TChartCanvas3D::QueryBackMode() const {
    return backMode_;
}
QPainter* TChartCanvas3D::DeviceHandle() const {
    return target_;
}
bool TChartCanvas3D::QueryMonochrome() const {
    return monochrome_;
}
int TChartCanvas3D::QueryTextAlign() const {
    return textAlign_;
}
bool TChartCanvas3D::QueryBuffered() const {
    return buffered_;
}

void TChartCanvas3D::ApplyBackColor(TColor colour) {
    backColor_ = ColorToRGB(colour);
    SyncBackground();
}

void TChartCanvas3D::ApplyBackMode(int mode) {
    backMode_ = mode == bmOpaque ? bmOpaque : bmTransparent;
    SyncBackground();
}

void TChartCanvas3D::ApplyTextAlign(int flags) {
    textAlign_ = flags;
}

void TChartCanvas3D::PutPixel(int x, int y, TColor colour) {
    if (target_ == nullptr) return;
    SetComposition(*target_, QPainter::CompositionMode_SourceOver);
    target_->fillRect(QRect(x, y, 1, 1), ToQColor(colour));
}

void TChartCanvas3D::ApplyComposition(QPainter& painter) const {
    SetComposition(painter, CompositionOf(pen_.Mode()));
}

void TChartCanvas3D::MoveToPoint(int x, int y) {
    position_ = {x, y};
}

void TChartCanvas3D::LineToPoint(int x, int y) {
    StrokeLine(position_.X, position_.Y, x, y);
    position_ = {x, y};
}

void TChartCanvas3D::StrokeLine(int x0, int y0, int x1, int y1) {
    if (target_ == nullptr || !PenDraws()) return;
    QPainter& painter = *target_;
    SyncPen(painter);
    ApplyComposition(painter);
    if (x0 == x1 && y0 == y1) {
        // A zero-length line of a wide pen leaves its round dot; a one-pixel pen draws nothing.
        if (pen_.Width() > 1) painter.drawPoint(x0, y0);
    } else if (pen_.Width() > 1) {
        DrawWideLine(painter, x0, y0, x1, y1);
    } else {
        DrawCosmeticLine(painter, x0, y0, x1, y1);
    }
}

// Qt's one-pixel line covers the half-open span from the smaller to the larger major coordinate,
// whichever way it is drawn, which suits lines running right or down. A line running left or up
// must cover its start and leave out its end: an axis-parallel or 45-degree one is drawn from its
// end to its start, both moved one step along the line; any other solid one is walked pixel by
// pixel from its start and drawn in runs. Axis-parallel lines are spans where they can be; at a
// ratio other than 1 every other line is stroked at the device width instead.
void TChartCanvas3D::DrawCosmeticLine(QPainter& painter, int x0, int y0, int x1, int y1) {
    // Pixel coordinates may be anywhere in the int range: differences need 64 bits.
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    if ((dx == 0 || dy == 0) && FillsSpans(painter)) {
        // The pixels Qt's line would cover, from the start on, the end left out.
        const long long from = dx > 0 || dy > 0 ? 0 : (dx < 0 ? dx + 1 : dy + 1);
        const long long length = std::llabs(dx) + std::llabs(dy);
        FillSpan(painter, SpanWriter(painter), x0 + (dy == 0 ? from : 0), y0 + (dx == 0 ? from : 0),
                 dy == 0 ? length : 1, dx == 0 ? length : 1, painter.pen().color());
        return;
    }
    if ((dx == 0 || dy == 0) && std::llabs(dx + dy) <= kDashedSpanLimit && FillsDashedSpans(painter)) {
        DrawDashedSpans(painter, x0, y0, dx, dy);
        return;
    }
    if (painter.device()->devicePixelRatio() != 1.0) {
        StrokeAtDeviceWidth(painter, x0, y0, dx, dy);
        return;
    }
    if (xMajor ? dx > 0 : dy > 0) {
        painter.drawLine(x0, y0, x1, y1);
        return;
    }
    bool straight = dx == 0 || dy == 0 || std::llabs(dx) == std::llabs(dy);
    if (!straight && pen_.Style() == psSolid && !smallDotsActive_) {
        DrawLineRuns(painter, x0, y0, x1, y1);
        return;
    }
    QPointF step = xMajor ? QPointF(1.0, static_cast<double>(dy) / static_cast<double>(dx))
                          : QPointF(static_cast<double>(dx) / static_cast<double>(dy), 1.0);
    QLineF reversed(QPointF(x1, y1) + step, QPointF(x0, y0) + step);
    const QPen pen = painter.pen();
    const QList<qreal> dashes = pen.dashPattern();
    if (pen.style() == Qt::SolidLine || dashes.isEmpty()) {
        painter.drawLine(reversed);
        return;
    }
    // The pattern must begin at the start pixel, which Qt reaches last. Each of these patterns
    // reads the same backwards from the end of its first dash, so shifting it mirrors it.
    double period = 0.0;
    for (qreal dash : dashes) period += dash;
    double pixels = static_cast<double>(std::max(std::llabs(dx), std::llabs(dy)));
    QPen shifted = pen;
    shifted.setDashOffset(std::fmod(std::fmod(dashes.front() - pixels, period) + period, period));
    painter.setPen(shifted);
    painter.drawLine(reversed);
    painter.setPen(pen);
}

// The pixels from the start towards the end (exclusive), one per step along the major axis, the
// minor coordinate rounded; each run of pixels on one row or column is one forward line. Only the
// steps that fall on the device are walked, so a line far longer than the device costs no more
// than one across it.
void TChartCanvas3D::DrawLineRuns(QPainter& painter, int x0, int y0, int x1, int y1) {
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major = xMajor ? dx : dy;
    const long long minor = xMajor ? dy : dx;
    const auto steps = static_cast<unsigned long long>(std::llabs(major));
    const auto minorSize = static_cast<unsigned long long>(std::llabs(minor));
    const long long majorSign = major > 0 ? 1 : -1;
    // Round(i x minor / steps), exact: the product stays below 2^64 for any int coordinates.
    auto minorAt = [&](long long i) {
        unsigned long long product = static_cast<unsigned long long>(i) * minorSize;
        auto scaled = static_cast<long long>(product / steps + (2 * (product % steps) >= steps ? 1 : 0));
        return minor < 0 ? -scaled : scaled;
    };
    const QRect area = VisibleArea(painter);
    const long long start = xMajor ? x0 : y0;
    const long long low = xMajor ? area.left() : area.top();
    const long long high = xMajor ? area.right() : area.bottom();
    const long long first = std::max(0LL, majorSign > 0 ? low - start : start - high);
    const long long last =
        std::min(static_cast<long long>(steps) - 1, majorSign > 0 ? high - start : start - low);
    const bool spans = FillsSpans(painter);
    const std::optional<TSpanWriter> writer = spans ? SpanWriter(painter) : std::nullopt;
    const QColor colour = painter.pen().color();
    long long runStart = first;
    for (long long i = first + 1; i <= last + 1; ++i) {
        if (i <= last && minorAt(i) == minorAt(runStart)) continue;
        long long a = majorSign * runStart;
        long long b = majorSign * (i - 1);
        // Every coordinate lies between the line's ends, so it is an int again.
        auto from = static_cast<int>(start + std::min(a, b));
        auto to = static_cast<int>(start + std::max(a, b) + 1);
        auto across = static_cast<int>((xMajor ? y0 : x0) + minorAt(runStart));
        if (spans) {
            FillSpan(painter, writer, xMajor ? from : across, xMajor ? across : from, xMajor ? to - from : 1,
                     xMajor ? 1 : to - from, colour);
        } else if (xMajor) {
            painter.drawLine(from, across, to, across);
        } else {
            painter.drawLine(across, from, across, to);
        }
        runStart = i;
    }
}

// A one-pixel copy pen on a painter moved by whole pixels at most: a run of pixels along a row or
// column is a filled rectangle, far cheaper than Qt's line drawing.
bool TChartCanvas3D::SpansAllowed(const QPainter& painter) const {
    return fastPaths_ && pen_.Mode() == pmCopy && MovesByWholePixels(painter.worldTransform());
}

bool TChartCanvas3D::FillsSpans(const QPainter& painter) const {
    return !smallDotsActive_ && painter.pen().style() == Qt::SolidLine && SpansAllowed(painter);
}

bool TChartCanvas3D::FillsDashedSpans(const QPainter& painter) const {
    const QPen& pen = painter.pen();
    return pen.style() == Qt::CustomDashLine && pen.dashOffset() == 0 && pen.widthF() == 0 &&
           SpansAllowed(painter);
}

// An axis-parallel styled line: its pattern of whole-pixel dashes and gaps laid from the start pixel
// along the line, the end pixel left out, each dash one span.
void TChartCanvas3D::DrawDashedSpans(QPainter& painter, int x0, int y0, long long dx, long long dy) {
    const QList<qreal> dashes = painter.pen().dashPattern();
    if (dashes.isEmpty()) return;
    const auto count = static_cast<size_t>(dashes.size());
    // Whole-pixel lengths worked out once per line, not once per dot.
    std::array<long long, 16> lengths{};
    const auto lengthOf = [&](size_t k) {
        return k < lengths.size() ? lengths[k]
                                  : std::max(1LL, std::llround(dashes[static_cast<qsizetype>(k)]));
    };
    for (size_t k = 0; k < std::min(count, lengths.size()); ++k)
        lengths[k] = std::max(1LL, std::llround(dashes[static_cast<qsizetype>(k)]));
    const long long length = std::llabs(dx) + std::llabs(dy);
    const long long sign = dx + dy > 0 ? 1 : -1;
    const bool opaque = painter.backgroundMode() == Qt::OpaqueMode;
    const QColor pen = painter.pen().color();
    const QColor background = painter.background().color();
    const std::optional<TSpanWriter> writer = SpanWriter(painter);
    long long at = 0;
    for (size_t k = 0; at < length; k = (k + 1) % count) {
        const long long end = std::min(length, at + lengthOf(k));
        // Gaps take the background colour in opaque mode, as Qt's styled lines do.
        if (k % 2 == 0 || opaque) {
            const long long from = sign > 0 ? at : -(end - 1);
            FillSpan(painter, writer, x0 + (dy == 0 ? from : 0), y0 + (dx == 0 ? from : 0),
                     dy == 0 ? end - at : 1, dx == 0 ? end - at : 1, k % 2 == 0 ? pen : background);
        }
        at = end;
    }
}

// Straight into the buffer's pixels when the painter would only copy colours there.
std::optional<TSpanWriter> TChartCanvas3D::SpanWriter(const QPainter& painter) {
    const TPaintBuffer* buffer = IntoBuffer(&painter);
    return buffer != nullptr ? buffer->SpanWriter(painter) : std::nullopt;
}

void TChartCanvas3D::FillSpan(QPainter& painter, const std::optional<TSpanWriter>& writer, long long x,
                              long long y, long long width, long long height, const QColor& colour) {
    if (writer && colour.alpha() == 255) {
        writer->Fill(x, y, width, height, colour.rgb());
        return;
    }
    // Clamped to the device first (moved by whole pixels only), so that the rectangle fits an int
    // whatever the line's length.
    const QPaintDevice* device = painter.device();
    const auto shiftX = static_cast<long long>(painter.worldTransform().dx());
    const auto shiftY = static_cast<long long>(painter.worldTransform().dy());
    const long long left = std::max(x, -shiftX);
    const long long top = std::max(y, -shiftY);
    const long long right = std::min(x + width, device->width() - shiftX);
    const long long bottom = std::min(y + height, device->height() - shiftY);
    if (left >= right || top >= bottom) return;
    const qreal ratio = device->devicePixelRatio();
    if (ratio != 1.0) {
        // Edges on whole device pixels, and a one-pixel line round(ratio) device pixels thick wherever
        // it stands, so that at a fractional ratio equal lines stay equal.
        const qreal thickness = OnePixelThickness(ratio);
        const auto edges = [&](long long from, long long to, long long shift) {
            const qreal start = std::round(static_cast<qreal>(from + shift) * ratio);
            const qreal end =
                to - from == 1 ? start + thickness : std::round(static_cast<qreal>(to + shift) * ratio);
            return std::pair{start / ratio - static_cast<qreal>(shift), (end - start) / ratio};
        };
        const auto [fromX, spanX] = edges(left, right, shiftX);
        const auto [fromY, spanY] = edges(top, bottom, shiftY);
        painter.fillRect(QRectF(fromX, fromY, spanX, spanY), SpanBrush(colour));
        return;
    }
    painter.fillRect(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                           static_cast<int>(bottom - top)),
                     colour);
}

const QBrush& TChartCanvas3D::SpanBrush(const QColor& colour) {
    auto& brushes = realised_->spanBrushes;
    for (const QBrush& brush : brushes)
        if (brush.style() == Qt::SolidPattern && brush.color() == colour) return brush;
    QBrush& brush = brushes[realised_->spanBrushNext];
    realised_->spanBrushNext = (realised_->spanBrushNext + 1) % brushes.size();
    brush = QBrush(colour);
    return brush;
}

void TChartCanvas3D::DrawLine(int x0, int y0, int x1, int y1) {
    MoveToPoint(x0, y0);
    LineToPoint(x1, y1);
}

void TChartCanvas3D::DrawHorizontal(int x0, int x1, int y) {
    DrawLine(x0, y, x1, y);
}

void TChartCanvas3D::DrawVertical(int x, int y0, int y1) {
    DrawLine(x, y0, x, y1);
}

void TChartCanvas3D::FillRectangle(const TRect& rect) {
    if (target_ == nullptr || !BrushFills()) return;
    TRect r = ClampedToArea(VisibleArea(*target_), rect.Left, rect.Top, rect.Right, rect.Bottom, 0);
    SyncBrush(*target_, true);
    ApplyComposition(*target_);
    const QRect area(r.Left, r.Top, r.Width(), r.Height());
    if (backMode_ == bmTransparent && WriteHatch(*target_, area)) return;
    // At a whole ratio the tile is made at the device size and laid in device pixels, which Qt fills
    // without scaling (and so without allocating); at other ratios Qt scales the 1x tile.
    const int scale = std::max(1, WholeRatio(target_->device()->devicePixelRatio()));
    const QBrush* tile = backMode_ == bmTransparent ? HatchTile(scale) : nullptr;
    if (tile == nullptr || scale == 1) {
        FillInBands(*target_, area, tile ? *tile : target_->brush());
        return;
    }
    const QTransform previous = target_->worldTransform();
    target_->setWorldTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale) * previous);
    FillInBands(*target_, QRect(area.topLeft() * scale, area.size() * scale), *tile);
    target_->setWorldTransform(previous);
}

bool TChartCanvas3D::WriteHatch(QPainter& painter, const QRect& area) {
    const std::array<unsigned char, 8>* rows = HatchRows();
    if (rows == nullptr || !MovesByWholePixels(painter.worldTransform())) return false;
    const std::optional<TSpanWriter> writer = SpanWriter(painter);
    if (!writer) return false;
    writer->Hatch(area.x(), area.y(), area.width(), area.height(), *rows,
                  ToQColor(ColorToRGB(brush_.Color())).rgb());
    return true;
}

void TChartCanvas3D::EraseRect(const TRect& rect) {
    FillRectangle(rect);
}

void TChartCanvas3D::DrawRect(const TRect& rect) {
    DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

// At a ratio other than 1 a one-pixel outline is as wide as a one-pixel line: the figure is filled
// without it, then outlined with the device-width pen along the centres of the pixels the outline
// covers at ratio 1.
template <typename Draw>
void TChartCanvas3D::DrawOutlined(QPainter& painter, const Draw& draw) {
    const qreal ratio = painter.device()->devicePixelRatio();
    const QPen pen = painter.pen();
    if (ratio == 1.0 || pen.style() == Qt::NoPen || !pen.isCosmetic()) {
        draw();
        return;
    }
    const QBrush brush = painter.brush();
    if (brush.style() != Qt::NoBrush) {
        painter.setPen(Qt::NoPen);
        draw();
        painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(DeviceWidthPen(pen, ratio, 0.0));
    painter.translate(0.5, 0.5);
    draw();
    painter.translate(-0.5, -0.5);
    painter.setPen(pen);
    painter.setBrush(brush);
}

void TChartCanvas3D::DrawRectangle(int x0, int y0, int x1, int y1) {
    if (target_ == nullptr) return;
    // Edges beyond the device stay beyond it, wide pen included.
    const int margin = std::clamp(pen_.Width(), 1, 1 << 16) + 2;
    TRect r = ClampedToArea(VisibleArea(*target_), x0, y0, x1, y1, margin);
    if (r.Width() == 0 || r.Height() == 0) return;
    FillRectangle(r);
    if (!PenDraws()) return;
    if (pen_.Style() == psInsideFrame && pen_.Width() > 1) {
        int inset = pen_.Width() / 2;
        r = {r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
    }
    SyncPen(*target_);
    SyncBrush(*target_, false);
    ApplyComposition(*target_);
    if (pen_.Width() <= 1 && r.Width() >= 2 && r.Height() >= 2 && FillsSpans(*target_)) {
        // A one-pixel outline is four spans: its first and last rows, then its first and last columns
        // between them.
        const std::optional<TSpanWriter> writer = SpanWriter(*target_);
        const QColor colour = target_->pen().color();
        FillSpan(*target_, writer, r.Left, r.Top, r.Width(), 1, colour);
        FillSpan(*target_, writer, r.Left, r.Bottom - 1, r.Width(), 1, colour);
        FillSpan(*target_, writer, r.Left, r.Top + 1, 1, r.Height() - 2, colour);
        FillSpan(*target_, writer, r.Right - 1, r.Top + 1, 1, r.Height() - 2, colour);
        return;
    }
    DrawOutlined(*target_, [&] { target_->drawRect(OutlineBox(r)); });
}

void TChartCanvas3D::DrawRoundRect(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight) {
    TRect r = CurveBox(x0, y0, x1, y1);
    if (target_ == nullptr || r.Width() == 0 || r.Height() == 0) return;
    SyncPen(*target_);
    SyncBrush(*target_, true);
    ApplyComposition(*target_);
    DrawOutlined(*target_, [&] {
        target_->drawRoundedRect(OutlineBox(r), cornerWidth / 2.0, cornerHeight / 2.0, Qt::AbsoluteSize);
    });
}

void TChartCanvas3D::DrawEllipse(int x0, int y0, int x1, int y1) {
    TRect r = CurveBox(x0, y0, x1, y1);
    if (target_ == nullptr || r.Width() == 0 || r.Height() == 0) return;
    SyncPen(*target_);
    SyncBrush(*target_, true);
    ApplyComposition(*target_);
    DrawOutlined(*target_, [&] { target_->drawEllipse(OutlineBox(r)); });
}

void TChartCanvas3D::DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    TRect r = CurveBox(x1, y1, x2, y2);
    if (target_ == nullptr || r.Width() == 0 || r.Height() == 0 || !PenDraws()) return;
    int start = RadialAngle(r, x3, y3);
    SyncPen(*target_);
    ApplyComposition(*target_);
    const int span = CounterClockwiseSpan(start, RadialAngle(r, x4, y4));
    DrawOutlined(*target_, [&] { target_->drawArc(OutlineBox(r), start, span); });
}

void TChartCanvas3D::DrawPieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    TRect r = CurveBox(x1, y1, x2, y2);
    if (target_ == nullptr || r.Width() == 0 || r.Height() == 0) return;
    int start = RadialAngle(r, x3, y3);
    SyncPen(*target_);
    SyncBrush(*target_, true);
    ApplyComposition(*target_);
    const int span = CounterClockwiseSpan(start, RadialAngle(r, x4, y4));
    DrawOutlined(*target_, [&] { target_->drawPie(OutlineBox(r), start, span); });
}

void TChartCanvas3D::DrawPolygon(std::span<const TPoint> points, int lastIndex) {
    int count = std::min(lastIndex + 1, static_cast<int>(points.size()));
    if (target_ == nullptr || count < 2) return;
    polygon_.resize(count);
    for (int i = 0; i < count; ++i)
        polygon_[i] = QPoint(points[static_cast<size_t>(i)].X, points[static_cast<size_t>(i)].Y);
    SyncPen(*target_);
    SyncBrush(*target_, true);
    ApplyComposition(*target_);
    DrawOutlined(*target_, [&] { target_->drawPolygon(polygon_, Qt::OddEvenFill); });
}

void TChartCanvas3D::DrawBevel(const TRect& rect, TColor topColour, TColor bottomColour, int width) {
    pen_.SetWidth(1);
    TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    // Once the frames meet in the middle, further ones would only be drawn inside out, beyond
    // the rectangle.
    for (int i = 0; i < width && r.Left <= r.Right && r.Top <= r.Bottom; ++i) {
        pen_.SetColor(topColour);
        MoveToPoint(r.Left, r.Bottom);
        LineToPoint(r.Left, r.Top);
        LineToPoint(r.Right, r.Top);
        pen_.SetColor(bottomColour);
        MoveToPoint(r.Right, r.Top);
        LineToPoint(r.Right, r.Bottom);
        LineToPoint(r.Left - 1, r.Bottom);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

void TChartCanvas3D::DrawGraphic(int x, int y, const TGraphic* graphic) {
    if (target_ == nullptr || graphic == nullptr || graphic->isNull()) return;
    // A monochrome picture takes these two colours.
    ApplyBackColor(brush_.Color());
    SyncTextPen(*target_);
    SetComposition(*target_, QPainter::CompositionMode_SourceOver);
    target_->drawImage(QPoint(x, y), *graphic);
}

void TChartCanvas3D::StretchGraphic(const TRect& rect, const TGraphic* graphic) {
    if (target_ == nullptr || graphic == nullptr || graphic->isNull()) return;
    SetComposition(*target_, QPainter::CompositionMode_SourceOver);
    target_->drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), *graphic);
}

QPoint TChartCanvas3D::DrawTextCell(QPainter& painter, int x, int y, TLaidOutText& text, TTextDraw draw) {
    // Text anchored beyond any device would not show, and its cell arithmetic could overflow.
    if (std::llabs(x) > kCurveLimit || std::llabs(y) > kCurveLimit) return {};
    const QFontMetrics& metrics = Metrics();
    const int width = text.Width;
    if ((textAlign_ & TA_CENTER) == TA_CENTER) {
        x -= width / 2;
    } else if ((textAlign_ & TA_CENTER) == TA_RIGHT) {
        x -= width;
    }
    int baseline = y + metrics.ascent();
    if ((textAlign_ & TA_BASELINE) == TA_BASELINE) {
        baseline = y;
    } else if ((textAlign_ & TA_BASELINE) == TA_BOTTOM) {
        baseline = y - metrics.descent();
    }
    SetComposition(painter, QPainter::CompositionMode_SourceOver);
    if (backMode_ == bmOpaque)
        painter.fillRect(QRect(x, baseline - metrics.ascent(), width, metrics.height()), BackBrush());
    if (draw == TTextDraw::Stamp) {
        DrawStamp(painter,
                  RealisedFont().Stamp(text, ColorToRGB(font_.Color()), TLaidOutText::kUpright,
                                       StampScale(painter)),
                  x, baseline);
    } else if (draw == TTextDraw::Text) {
        // The cell was painted above; Qt must not paint a second, differently sized one.
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(QPoint(x, baseline), text.Text);
        painter.setBackgroundMode(backMode_ == bmOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    }
    return {x, baseline};
}

void TChartCanvas3D::PutText(int x, int y, const std::string& text) {
    if (target_ == nullptr || text.empty()) return;
    TLaidOutText& laidOut = LaidOut(text);
    const int scale = StampScale(*target_);
    const bool stamp = fastPaths_ && scale > 0 && RealisedFont().Stampable(laidOut, scale);
    if (!stamp) {
        SyncFont(*target_);
        SyncTextPen(*target_);
    }
    DrawTextCell(*target_, x, y, laidOut, stamp ? TTextDraw::Stamp : TTextDraw::Text);
}

void TChartCanvas3D::PutRotatedText(int x, int y, const std::string& text, int angle) {
    if (angle > 360) angle -= 360;
    brush_.SetStyle(bsClear);
    if (target_ == nullptr || text.empty()) return;
    // A zoomed 3-D view scales the text with it; the font gets its own height back afterwards.
    const int height = font_.Height();
    const bool zoomed = scaleTextWithZoom_ && projectionZoom_ != 1.0;
    if (zoomed) font_.SetSize(std::max(1, static_cast<int>(std::nearbyint(font_.Size() * projectionZoom_))));
    QPainter& painter = *target_;
    // Turned by a quarter, glyph outlines map onto whole pixels exactly, so a stamp is exact too.
    TLaidOutText& laidOut = LaidOut(text);
    const int scale = StampScale(painter);
    const bool stamp = fastPaths_ && (angle == 90 || angle == 270) && scale > 0 &&
                       std::llabs(x) <= kCurveLimit && std::llabs(y) <= kCurveLimit &&
                       RealisedFont().Stampable(laidOut, scale);
    if (!stamp) {
        SyncRotatedFont(painter);
        SyncTextPen(painter);
    }
    QTransform previous = painter.worldTransform();
    painter.translate(x, y);
    painter.rotate(-angle);
    const QPoint origin = DrawTextCell(painter, 0, 0, laidOut, stamp ? TTextDraw::CellOnly : TTextDraw::Text);
    painter.setWorldTransform(previous);
    if (stamp) {
        QTransform turn;
        turn.rotate(-angle);
        const QPoint anchor = QPoint(x, y) + turn.map(origin);
        DrawStamp(painter, RealisedFont().Stamp(laidOut, ColorToRGB(font_.Color()), angle, scale), anchor.x(),
                  anchor.y());
    }
    if (zoomed) font_.SetHeight(height);
}

void TChartCanvas3D::ClipToRect(const TRect& rect) {
    if (target_ == nullptr) return;
    // Beyond the device a clip edge cuts nothing, so it may stand at the device's edge.
    TRect r = ClampedToArea(VisibleArea(*target_), rect.Left, rect.Top, rect.Right, rect.Bottom, 0);
    QRect device = target_->worldTransform().mapRect(QRect(r.Left, r.Top, r.Width(), r.Height()));
    // Clip regions are kept in device coordinates, so the transform is set aside meanwhile.
    TPaintBuffer* buffer = IntoBuffer(target_);
    if (buffer != nullptr && fastPaths_ && buffer->ReviveClip(device)) return;
    QTransform previous = target_->worldTransform();
    target_->resetTransform();
    if (buffer != nullptr) buffer->NoteClipRect(device);
    target_->setClipRect(device, target_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    target_->setWorldTransform(previous);
}

void TChartCanvas3D::RemoveClip() {
    if (target_ == nullptr) return;
    if (TPaintBuffer* buffer = IntoBuffer(target_))
        buffer->DisableClip();
    else
        target_->setClipping(false);
}
