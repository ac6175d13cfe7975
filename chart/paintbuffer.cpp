#include "chart/paintbuffer.h"

#include <cmath>

TPaintBuffer::TPaintBuffer() = default;

TPaintBuffer::~TPaintBuffer() {
    // The painter must end before its image goes.
    painter_.reset();
}

void TPaintBuffer::Discard() {
    painter_.reset();
    image_.reset();
}

void TPaintBuffer::Ensure(int width, int height, qreal ratio) {
    const QSize device(qRound(width * ratio), qRound(height * ratio));
    if (image_ && (image_->size() != device || ratio_ != ratio)) Discard();
    if (image_ && !image_->isDetached()) {
        // A copy of the last image is held elsewhere: this paint must go to pixels of its own.
        painter_.reset();
        image_->detach();
        NewPainter();
    }
    if (image_ || width <= 0 || height <= 0) return;
    // A monochrome chart is drawn in colour and reduced to two colours when shown.
    image_ = std::make_unique<QImage>(device, QImage::Format_RGB32);
    image_->setDevicePixelRatio(ratio);
    image_->fill(Qt::white);
    ratio_ = ratio;
    NewPainter();
}

void TPaintBuffer::NewPainter() {
    painter_ = std::make_unique<QPainter>(image_.get());
    clip_ = TClip::None;
    disabledClipRect_ = QRect();
}

void TPaintBuffer::CopyTo(QPainter& painter, QPoint at, bool monochrome) const {
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (monochrome) {
        painter.drawImage(at, image_->convertToFormat(QImage::Format_Mono, Qt::ThresholdDither));
    } else {
        painter.drawImage(at, *image_);
    }
}

bool TPaintBuffer::ReviveClip(const QRect& device) {
    if (clip_ != TClip::None || disabledClipRect_.isNull() || device != disabledClipRect_) return false;
    painter_->setClipping(true);
    clip_ = TClip::Rect;
    clipRect_ = device;
    return true;
}

void TPaintBuffer::NoteClipRect(const QRect& device) {
    if (clip_ == TClip::Other) return;
    clipRect_ = clip_ == TClip::Rect ? clipRect_.intersected(device) : device;
    clip_ = TClip::Rect;
}

void TPaintBuffer::NoteClipOther() {
    clip_ = TClip::Other;
}

void TPaintBuffer::DisableClip() {
    if (clip_ != TClip::None) disabledClipRect_ = clip_ == TClip::Rect ? clipRect_ : QRect();
    painter_->setClipping(false);
    clip_ = TClip::None;
}

int WholeRatio(qreal ratio) {
    return ratio == std::floor(ratio) && ratio >= 1 && ratio <= 8 ? static_cast<int>(ratio) : 0;
}

std::optional<TSpanWriter> TPaintBuffer::SpanWriter(const QPainter& painter) const {
    // Spans are given in logical pixels; at a whole ratio each is whole device pixels.
    const int scale = WholeRatio(ratio_);
    if (!Holds(&painter) || scale == 0 || clip_ == TClip::Other ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        image_->format() != QImage::Format_RGB32 || !image_->isDetached())
        return std::nullopt;
    const QRect area =
        clip_ == TClip::Rect ? QRect(clipRect_.topLeft() * scale, clipRect_.size() * scale) : image_->rect();
    const QTransform& transform = painter.worldTransform();
    return TSpanWriter(*image_, area,
                       QPoint(static_cast<int>(transform.dx()), static_cast<int>(transform.dy())), scale);
}
