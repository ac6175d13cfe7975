#include "chart/textcache.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "chart/colors.h"

namespace {

// Enough for the labels and titles of a chart over many paints; a chart fed ever new texts
// (a running clock, say) starts afresh now and then instead of growing.
constexpr size_t kTextsPerFont = 512;
constexpr size_t kFonts = 16;

// The box of the pixels that are not fully transparent; empty when there are none.
QRect DrawnBox(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

TRealisedFont::TRealisedFont(const TFont& font)
    : name_(font.Name()),
      height_(font.Height()),
      style_(font.Style()),
      pitch_(font.Pitch()),
      pixelsPerInch_(font.PixelsPerInch()),
      font_(font.ToQFont()),
      rotated_(font_),
      metrics_(font_) {
    rotated_.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::NoAntialias | QFont::ForceOutline));
}

bool TRealisedFont::Matches(const TFont& font) const {
    return font.Height() == height_ && font.Style() == style_ && font.Pitch() == pitch_ &&
           font.PixelsPerInch() == pixelsPerInch_ && font.Name() == name_;
}

TLaidOutText& TRealisedFont::Text(const std::string& utf8) {
    for (const auto& text : texts_)
        if (text->Utf8 == utf8) return *text;
    if (texts_.size() >= kTextsPerFont) texts_.clear();
    auto text = std::make_unique<TLaidOutText>();
    text->Utf8 = utf8;
    text->Text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text->Width = metrics_.horizontalAdvance(text->Text);
    const int pad = StampPad();
    const QRect line(0, -metrics_.ascent(), text->Width, metrics_.height());
    // The glyph outlines as shaped: stacked marks are placed where they are drawn, which the metrics'
    // bounding box does not follow.
    QPainterPath outline;
    outline.addText(0, 0, font_, text->Text);
    text->Area = line.united(outline.boundingRect().toAlignedRect()).adjusted(-pad, -pad, pad, pad);
    texts_.push_back(std::move(text));
    return *texts_.back();
}

// The room around a text on its stamp's canvas, for glyphs reaching beyond their advance or line.
int TRealisedFont::StampPad() const {
    return metrics_.height() + metrics_.maxWidth();
}

bool TRealisedFont::Stampable(const TLaidOutText& text, int scale) const {
    constexpr long long kCanvasPixels = 1LL << 22;
    if (font_.underline() || font_.strikeOut()) return false;
    return static_cast<long long>(text.Area.width()) * text.Area.height() * scale * scale <= kCanvasPixels;
}

const TLaidOutText::TStamp& TRealisedFont::Stamp(TLaidOutText& text, TColor colour, int angle,
                                                 int scale) const {
    for (const auto& stamp : text.Stamps)
        if (stamp.Made && stamp.Colour == colour && stamp.Angle == angle && stamp.Scale == scale)
            return stamp;
    // Turned by a quarter, the text runs up (90) or down (270) from its origin, its ascent to the left
    // or to the right.
    const bool upright = angle == TLaidOutText::kUpright;
    QTransform turn;
    if (!upright) turn.rotate(-angle);
    const QRect area = turn.mapRect(text.Area);
    const QPoint origin = -area.topLeft();
    QImage canvas(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(upright ? font_ : rotated_);
        painter.setPen(QPen(ToQColor(colour)));
        if (upright) {
            painter.drawText(origin, text.Text);
        } else {
            painter.translate(origin);
            painter.rotate(-angle);
            painter.drawText(QPoint(0, 0), text.Text);
        }
    }
    TLaidOutText::TStamp& stamp = text.Stamps[text.NextStamp];
    text.NextStamp = (text.NextStamp + 1) % text.Stamps.size();
    // On whole logical pixels, so that the stamp lands on the very device pixels it was drawn on.
    QRect box = DrawnBox(canvas);
    if (!box.isEmpty())
        box = QRect(QPoint(box.left() / scale, box.top() / scale) * scale,
                    QPoint(box.right() / scale + 1, box.bottom() / scale + 1) * scale - QPoint(1, 1));
    stamp.Colour = colour;
    stamp.Angle = angle;
    stamp.Scale = scale;
    stamp.Pixels = box.isEmpty() ? QImage() : canvas.copy(box);
    stamp.Pixels.setDevicePixelRatio(scale);
    stamp.Offset = box.topLeft() / scale - origin;
    stamp.Made = true;
    return stamp;
}

TRealisedFont& TFontCache::Realise(const TFont& font) {
    for (auto it = fonts_.rbegin(); it != fonts_.rend(); ++it)
        if ((*it)->Matches(font)) return **it;
    if (fonts_.size() >= kFonts) fonts_.erase(fonts_.begin());
    fonts_.push_back(std::make_unique<TRealisedFont>(font));
    return *fonts_.back();
}

void DrawStamp(QPainter& painter, const TLaidOutText::TStamp& stamp, int x, int baseline) {
    if (!stamp.Pixels.isNull()) painter.drawImage(QPoint(x, baseline) + stamp.Offset, stamp.Pixels);
}
