// Rectangles of one colour written straight into an RGB32 image's pixels: the chart's one-pixel
// lines and dotted grid are many tiny spans, each far cheaper to write than to hand to QPainter.
// At a whole device pixel ratio r every logical pixel is r x r device pixels.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>

class TSpanWriter {
  public:
    // Writes into `image` within `area` (device pixels), moving every rectangle by `shift` (logical
    // pixels) first and scaling it by `scale`.
    TSpanWriter(QImage& image, const QRect& area, QPoint shift, int scale);
    // Fills x, y, width, height (logical, before the shift) with `pixel`, cut to the area.
    void Fill(long long x, long long y, long long width, long long height, QRgb pixel) const;
    // Writes `pixel` where an 8 x 8 hatch has ink in x, y, width, height (as Fill), leaving its gaps;
    // `rows` holds one byte per row, bit 0x80 the leftmost pixel. The hatch is laid from the logical
    // origin before the shift.
    void Hatch(long long x, long long y, long long width, long long height,
               const std::array<unsigned char, 8>& rows, QRgb pixel) const;

  private:
    // The device rectangle of a logical one, cut to the area (empty: nothing to write).
    QRect DeviceRect(long long x, long long y, long long width, long long height) const;

    QRgb* bits_;
    qsizetype stride_;  // in pixels
    QRect area_;
    long long shiftX_;
    long long shiftY_;
    int scale_;
};
