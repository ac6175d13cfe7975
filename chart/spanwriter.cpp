#include "chart/spanwriter.h"

#include <algorithm>

TSpanWriter::TSpanWriter(QImage& image, const QRect& area, QPoint shift)
    : bits_(reinterpret_cast<QRgb*>(image.bits())),
      stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
      area_(area & image.rect()),
      shiftX_(shift.x()),
      shiftY_(shift.y()) {}

void TSpanWriter::Fill(long long x, long long y, long long width, long long height, QRgb pixel) const {
    const long long left = std::max<long long>(x + shiftX_, area_.left());
    const long long right = std::min<long long>(x + shiftX_ + width, area_.right() + 1LL);
    const long long top = std::max<long long>(y + shiftY_, area_.top());
    const long long bottom = std::min<long long>(y + shiftY_ + height, area_.bottom() + 1LL);
    if (left >= right || top >= bottom) return;
    for (long long row = top; row < bottom; ++row) {
        QRgb* line = bits_ + row * stride_;
        std::fill(line + left, line + right, pixel);
    }
}
