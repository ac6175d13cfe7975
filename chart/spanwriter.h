// Rectangles of one colour written straight into an RGB32 image's pixels: the chart's one-pixel
// lines and dotted grid are many tiny spans, each far cheaper to write than to hand to QPainter.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class TSpanWriter {
  public:
    // Writes into `image` within `area` (device pixels), moving every rectangle by `shift` first.
    TSpanWriter(QImage& image, const QRect& area, QPoint shift);
    // Fills x, y, width, height (before the shift) with `pixel`, cut to the area.
    void Fill(long long x, long long y, long long width, long long height, QRgb pixel) const;

  private:
    QRgb* bits_;
    qsizetype stride_;  // in pixels
    QRect area_;
    long long shiftX_;
    long long shiftY_;
};
