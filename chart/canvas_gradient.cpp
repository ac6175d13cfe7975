// Gradient fills: straight bands, concentric frames and diagonal bands, at most 256 of them.
#include <algorithm>
#include <cstdlib>

#include "chart/canvas.h"
#include "chart/colors.h"

namespace {

constexpr int kMaxBands = 256;

// a x b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
    long long product = static_cast<long long>(a) * b;
    long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(c)) / 2) / std::llabs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

// The colour of band `index` of `bands`, running from `start` to `end`.
QColor BandColour(TColor start, TColor end, int index, int bands) {
    if (bands <= 1) return QColor(RedOf(start), GreenOf(start), BlueOf(start));
    auto channel = [&](int from, int to) { return from + MulDiv(index, to - from, bands - 1); };
    return QColor(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                  channel(BlueOf(start), BlueOf(end)));
}

}  // namespace

void TChartCanvas3D::FillGradient(const TRect& rect, TColor startColour, TColor endColour,
                                  TGradientDirection direction) {
    TRect r{std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom), std::max(rect.Left, rect.Right),
            std::max(rect.Top, rect.Bottom)};
    if (target_ == nullptr || r.Width() == 0 || r.Height() == 0) return;
    if (target_->compositionMode() != QPainter::CompositionMode_SourceOver)
        target_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    TColor start = ColorToRGB(startColour);
    TColor end = ColorToRGB(endColour);
    if (direction <= gdRightLeft) {
        FillStraightGradient(r, start, end, direction);
    } else {
        FillShapedGradient(r, start, end, direction);
    }
}

void TChartCanvas3D::FillStraightGradient(const TRect& r, TColor start, TColor end,
                                          TGradientDirection direction) {
    bool vertical = direction == gdTopBottom || direction == gdBottomTop;
    bool reversed = direction == gdBottomTop || direction == gdRightLeft;
    int extent = vertical ? r.Height() : r.Width();
    int bands = std::min(kMaxBands, extent);
    int from = 0;
    for (int i = 0; i < bands; ++i) {
        int to = MulDiv(i + 1, extent, bands);
        QColor colour = BandColour(start, end, i, bands);
        int low = reversed ? extent - to : from;
        int size = to - from;
        if (vertical) {
            target_->fillRect(QRect(r.Left, r.Top + low, r.Width(), size), colour);
        } else {
            target_->fillRect(QRect(r.Left + low, r.Top, size, r.Height()), colour);
        }
        from = to;
    }
}

void TChartCanvas3D::FillShapedGradient(const TRect& r, TColor start, TColor end,
                                        TGradientDirection direction) {
    QPainter& painter = *target_;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()),
                        painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (direction == gdFromCenter) {
        // Concentric frames, the start colour outside and the end colour in the middle.
        int half = (std::min(r.Width(), r.Height()) + 1) / 2;
        int bands = std::min(kMaxBands, half);
        for (int i = 0; i < bands; ++i) {
            int inset = MulDiv(i, half, bands);
            painter.fillRect(
                QRect(r.Left + inset, r.Top + inset, r.Width() - 2 * inset, r.Height() - 2 * inset),
                BandColour(start, end, i, bands));
        }
    } else {
        // Diagonal bands from the top-left (or bottom-left) corner.
        int extent = r.Width() + r.Height();
        int bands = std::min(kMaxBands, extent);
        int from = 0;
        for (int i = 0; i < bands; ++i) {
            int to = MulDiv(i + 1, extent, bands);
            QPolygon strip;
            if (direction == gdFromTopLeft) {
                strip << QPoint(r.Left + from, r.Top) << QPoint(r.Left + to, r.Top)
                      << QPoint(r.Left, r.Top + to) << QPoint(r.Left, r.Top + from);
            } else {
                strip << QPoint(r.Left + from, r.Bottom) << QPoint(r.Left + to, r.Bottom)
                      << QPoint(r.Left, r.Bottom - to) << QPoint(r.Left, r.Bottom - from);
            }
            painter.setBrush(BandColour(start, end, i, bands));
            painter.drawPolygon(strip);
            from = to;
        }
    }
    painter.restore();
    // save/restore put back the pen and brush this surface set, but leave no record of it.
    AttachTarget(target_);
}
