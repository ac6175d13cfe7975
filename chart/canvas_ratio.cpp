// Drawing at a device pixel ratio other than 1: one-pixel lines that are not spans, and wide solid
// lines, at the device resolution.
#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstdlib>

#include "chart/canvas.h"
#include "chart/canvasgeometry.h"
#include "chart/canvasstate.h"

// At a ratio other than 1, a one-pixel line that spans do not draw is stroked at the device
// resolution, round(r) device pixels wide (at least 1): as wide as the span-drawn lines whichever
// way it slopes, and no staircase of r x r blocks. It runs from the start pixel's leading edge to
// the end pixel's (the start pixel in, the end pixel out, as at ratio 1); a pattern keeps its
// logical lengths and begins at the start pixel. Only the part near the device is stroked, so a
// styled line far longer than the device costs no more than one across it.
void TChartCanvas3D::StrokeAtDeviceWidth(QPainter& painter, int x0, int y0, long long dx, long long dy) {
    const double major = static_cast<double>(std::max(std::llabs(dx), std::llabs(dy)));
    const QPointF along(static_cast<double>(dx), static_cast<double>(dy));
    const QPointF from = QPointF(x0 + 0.5, y0 + 0.5) - along / (2.0 * major);
    double t0 = 0.0;
    double t1 = 1.0;
    const QRectF area = QRectF(VisibleArea(painter)).adjusted(-2, -2, 2, 2);
    if (!ClipSegment(from, from + along, area, t0, t1)) return;
    const QPen pen = painter.pen();
    painter.setPen(
        DeviceWidthPen(pen, painter.device()->devicePixelRatio(), t0 * std::hypot(along.x(), along.y())));
    painter.drawLine(QLineF(from + t0 * along, from + t1 * along));
    painter.setPen(pen);
}

// The pen of StrokeAtDeviceWidth for the one-pixel `pen`, kept while the same pen is asked for
// again, so that a steady-state paint makes none.
const QPen& TChartCanvas3D::DeviceWidthPen(const QPen& pen, qreal ratio, double skipped) {
    TRealisedState::TDeviceWidthPen& cached = realised_->deviceWidthPen;
    if (cached.source == pen && cached.ratio == ratio && cached.skipped == skipped) return cached.pen;
    const qreal width = OnePixelThickness(ratio) / ratio;
    QPen device(pen.color(), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (pen.style() != Qt::SolidLine && !pen.dashPattern().isEmpty()) {
        // A wide pen's pattern is in pen widths; this one's is in logical pixels.
        QList<qreal> dashes = pen.dashPattern();
        double period = 0.0;
        for (qreal& dash : dashes) {
            period += dash;
            dash /= width;
        }
        device.setDashPattern(dashes);
        device.setDashOffset(std::fmod(skipped, period) / width);
    }
    cached = {pen, ratio, skipped, device};
    return cached.pen;
}

// At a ratio other than 1 a solid wide line of an opaque colour is drawn as what its round caps and
// joins make it: a band w x r device pixels wide between its ends and a disc of that diameter on
// each end. Qt fills both without flattening curves (an aliased disc on whole device pixels is
// drawn by the midpoint rule), where its stroker flattened the round caps on every paint. Only the
// part near the device is drawn, and a disc only on an end that lies there.
void TChartCanvas3D::DrawWideLine(QPainter& painter, int x0, int y0, int x1, int y1) {
    const QPen pen = painter.pen();
    if (painter.device()->devicePixelRatio() == 1.0 || pen.style() != Qt::SolidLine || pen.isCosmetic() ||
        pen.color().alpha() != 255 || painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
        painter.drawLine(x0, y0, x1, y1);
        return;
    }
    const double radius = pen.widthF() / 2.0;
    const QPointF from(x0, y0);
    const QPointF along(static_cast<double>(x1) - x0, static_cast<double>(y1) - y0);
    double t0 = 0.0;
    double t1 = 1.0;
    const double margin = radius + 2.0;
    const QRectF area = QRectF(VisibleArea(painter)).adjusted(-margin, -margin, margin, margin);
    if (!ClipSegment(from, from + along, area, t0, t1)) return;
    const QPointF normal = QPointF(-along.y(), along.x()) * (radius / std::hypot(along.x(), along.y()));
    const QPointF a = from + t0 * along;
    const QPointF b = from + t1 * along;
    const QPointF band[4] = {a + normal, b + normal, b - normal, a - normal};
    const QBrush brush = painter.brush();
    painter.setPen(Qt::NoPen);
    painter.setBrush(SpanBrush(pen.color()));
    painter.drawPolygon(band, 4);
    if (t0 == 0.0) painter.drawEllipse(a, radius, radius);
    if (t1 == 1.0) painter.drawEllipse(b, radius, radius);
    painter.setBrush(brush);
    painter.setPen(pen);
}
