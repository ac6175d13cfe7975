// Geometry the surface's drawing files share: what of the device a painter can reach, and the
// part of a segment inside a rectangle. Private to the surface's own files.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <algorithm>
#include <cmath>

// The logical area the target's device covers, one pixel wider on every side: drawing beyond it
// is invisible, so coordinates far outside may be brought to its edge without changing a pixel.
inline QRect VisibleArea(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    QRect area(0, 0, device != nullptr ? device->width() : 0, device != nullptr ? device->height() : 0);
    return painter.worldTransform().inverted().mapRect(area).adjusted(-1, -1, 1, 1);
}

// How many device pixels thick a one-pixel line is at `ratio`: round(ratio), at least 1, so that
// at a fractional ratio equal lines stay equal.
inline qreal OnePixelThickness(qreal ratio) {
    return std::max<qreal>(1.0, std::round(ratio));
}

// The part of the segment from + t (to - from), t in [0, 1], that lies in `area` (Liang-Barsky);
// false when none does.
inline bool ClipSegment(const QPointF& from, const QPointF& to, const QRectF& area, double& t0, double& t1) {
    const double d[2] = {to.x() - from.x(), to.y() - from.y()};
    const double low[2] = {area.left() - from.x(), area.top() - from.y()};
    const double high[2] = {area.right() - from.x(), area.bottom() - from.y()};
    t0 = 0.0;
    t1 = 1.0;
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0.0) {
            if (low[axis] > 0.0 || high[axis] < 0.0) return false;
            continue;
        }
        const double a = low[axis] / d[axis];
        const double b = high[axis] / d[axis];
        t0 = std::max(t0, std::min(a, b));
        t1 = std::min(t1, std::max(a, b));
    }
    return t0 < t1;
}
