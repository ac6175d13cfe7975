// The surface's off-screen buffer: the image a chart is painted into, a painter that stays active
// on it while the image lives (so a paint allocates nothing once the image exists), the device
// pixel ratio it is made at, and the clip the surface set on that painter. It is the one place
// that knows whether a paint goes into the buffer, which is what the fast paths depend on: they
// write the buffer's pixels directly.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <memory>
#include <optional>

#include "chart/spanwriter.h"

// The whole number a device pixel ratio is, from 1 to 8, where every logical pixel is whole device
// pixels; 0 for a fractional or unusable ratio.
int WholeRatio(qreal ratio);

class TPaintBuffer {
  public:
    TPaintBuffer();
    ~TPaintBuffer();
    TPaintBuffer(const TPaintBuffer&) = delete;
    TPaintBuffer& operator=(const TPaintBuffer&) = delete;

    // Whether a paint through `painter` goes into this buffer.
    bool Holds(const QPainter* painter) const { return painter != nullptr && painter == painter_.get(); }
    // The image (nullptr when there is none).
    const QImage* Image() const { return image_.get(); }
    QPainter* Painter() const { return painter_.get(); }
    qreal Ratio() const { return ratio_; }
    // Makes the image width x height logical pixels at `ratio`, white, unless it is that already;
    // gives it pixels of its own when a copy of it is held elsewhere. Nothing for an empty size.
    void Ensure(int width, int height, qreal ratio);
    void Discard();
    // Copies the image onto `painter` with its top-left at `at` (reduced to two colours when
    // `monochrome`).
    void CopyTo(QPainter& painter, QPoint at, bool monochrome) const;

    // The clip as the surface sets it on the buffer painter, untransformed (logical pixels).
    // A rectangle clip: true when it is the very rectangle last switched off, and switched on again
    // (Qt then makes no new clip data).
    bool ReviveClip(const QRect& device);
    void NoteClipRect(const QRect& device);
    void NoteClipOther();
    void DisableClip();
    // A writer of one-colour spans straight into the image, when `painter` would only copy colours
    // into it within a rectangular clip, at a whole device pixel ratio.
    std::optional<TSpanWriter> SpanWriter(const QPainter& painter) const;

  private:
    void NewPainter();

    std::unique_ptr<QImage> image_;
    std::unique_ptr<QPainter> painter_;
    qreal ratio_ = 1.0;
    // The painter's clip as the surface set it: an untransformed rectangle, or another shape.
    enum class TClip : std::uint8_t { None, Rect, Other };
    TClip clip_ = TClip::None;
    QRect clipRect_;
    // The rectangle of the clip that is switched off (null: none, or not a rectangle).
    QRect disabledClipRect_;
};
