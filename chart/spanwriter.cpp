#include "chart/spanwriter.h"

#include <algorithm>
#include <cstring>

TSpanWriter::TSpanWriter(QImage& image, const QRect& area, QPoint shift, int scale)
    : bits_(reinterpret_cast<QRgb*>(image.bits())),
      stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
      area_(area & image.rect()),
      shiftX_(shift.x()),
      shiftY_(shift.y()),
      scale_(scale) {}

QRect TSpanWriter::DeviceRect(long long x, long long y, long long width, long long height) const {
    const long long left = std::max<long long>((x + shiftX_) * scale_, area_.left());
    const long long right = std::min<long long>((x + shiftX_ + width) * scale_, area_.right() + 1LL);
    const long long top = std::max<long long>((y + shiftY_) * scale_, area_.top());
    const long long bottom = std::min<long long>((y + shiftY_ + height) * scale_, area_.bottom() + 1LL);
    if (left >= right || top >= bottom) return {};
    // Within the area, so every edge is an int.
    return QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
                 QPoint(static_cast<int>(right) - 1, static_cast<int>(bottom) - 1));
}

void TSpanWriter::Fill(long long x, long long y, long long width, long long height, QRgb pixel) const {
    const QRect r = DeviceRect(x, y, width, height);
    if (r.isEmpty()) return;
    QRgb* first = bits_ + r.top() * stride_ + r.left();
    std::fill(first, first + r.width(), pixel);
    // Every further row is a copy of the first: the C library's copy is several times faster than
    // a loop of stores, which is what a tall fill (the chart's background) spends its time on.
    const size_t bytes = static_cast<size_t>(r.width()) * sizeof(QRgb);
    for (int row = r.top() + 1; row <= r.bottom(); ++row)
        std::memcpy(bits_ + row * stride_ + r.left(), first, bytes);
}

void TSpanWriter::Hatch(long long x, long long y, long long width, long long height,
                        const std::array<unsigned char, 8>& rows, QRgb pixel) const {
    const QRect r = DeviceRect(x, y, width, height);
    if (r.isEmpty()) return;
    // A logical pixel's place in the hatch: (device / scale - shift) mod 8.
    const auto cell = [](long long logical, long long shift) { return ((logical - shift) % 8 + 8) % 8; };
    const long long firstColumn = r.left() / scale_;
    for (int row = r.top(); row <= r.bottom(); ++row) {
        const unsigned char bits = rows[static_cast<size_t>(cell(row / scale_, shiftY_))];
        QRgb* line = bits_ + row * stride_;
        for (long long bit = 0; bit < 8; ++bit) {
            if ((bits & (0x80U >> bit)) == 0) continue;
            // Every eighth logical column from the first one at this place in the hatch.
            for (long long column = firstColumn + cell(bit - firstColumn, -shiftX_);
                 column * scale_ <= r.right(); column += 8) {
                const long long from = std::max<long long>(column * scale_, r.left());
                const long long to = std::min<long long>((column + 1) * scale_, r.right() + 1LL);
                std::fill(line + from, line + to, pixel);
            }
        }
    }
}
