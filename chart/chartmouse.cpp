// TCustomChart's mouse handling: zoom by dragging a rectangle, undo by dragging the other way,
// panning with the right button, and the wheel.
#include <QMouseEvent>
#include <QWheelEvent>

#include "chart/chart.h"
#include "chart/series.h"

namespace {

// A zoom needs a drag of more than this many pixels both ways.
constexpr int MinZoomDrag = 16;

bool Inside(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

}  // namespace

TPoint TCustomChart::ClientPoint(const QPointF& position) const {
    const QPoint origin = contentsRect().topLeft();
    return {static_cast<int>(position.x()) - origin.x(), static_cast<int>(position.y()) - origin.y()};
}

void TCustomChart::mousePressEvent(QMouseEvent* event) {
    const TPoint p = ClientPoint(event->position());
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && AllowZoom()) {
        ZoomDragRef().Activate(p.X, p.Y);
    } else if (event->button() == Qt::RightButton && AllowPanning() != pmNone &&
               Inside(PlotRect(), p.X, p.Y)) {
        SaveScales();
        PanDragRef().Activate(p.X, p.Y);
    }
    QWidget::mousePressEvent(event);
}

void TCustomChart::mouseMoveEvent(QMouseEvent* event) {
    const TPoint p = ClientPoint(event->position());
    if (ZoomDrag().Active) {
        ZoomDragRef().X1 = p.X;
        ZoomDragRef().Y1 = p.Y;
        RequestRedraw();
    } else if (PanDrag().Active && Inside(PlotRect(), p.X, p.Y)) {
        PanTo(p.X, p.Y);
    }
    QWidget::mouseMoveEvent(event);
}

void TCustomChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ZoomDrag().Active) {
        TZoomPanning& drag = ZoomDragRef();
        drag.Active = false;
        const int dx = drag.X1 - drag.X0;
        const int dy = drag.Y1 - drag.Y0;
        if (dx > MinZoomDrag && dy > MinZoomDrag)
            ZoomRect({drag.X0, drag.Y0, drag.X1, drag.Y1});
        else if (dx < 0 || dy < 0)
            UndoZoom();
        RequestRedraw();  // takes the drag rectangle away
    } else if (event->button() == Qt::RightButton) {
        PanDragRef().Active = false;
    }
    QWidget::mouseReleaseEvent(event);
}

void TCustomChart::wheelEvent(QWheelEvent* event) {
    QWidget::wheelEvent(event);
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    // A step is one whole notch.
    if (const int notches = wheelNotches_.Add(delta); notches != 0) ShiftAxesForWheelNotches(*this, notches);
}

void TCustomChart::SaveScales() {
    if (!savedScales_.empty()) return;
    for (int i = 0; i < 4; ++i) {
        const TCustomChartAxis* axis = AxisList()[static_cast<size_t>(i)];
        savedScales_.push_back(
            {axis->AutomaticMinimum(), axis->AutomaticMaximum(), axis->Minimum(), axis->Maximum()});
    }
}

void TCustomChart::ZoomRect(const TRect& rect) {
    SaveScales();
    std::vector<std::pair<double, double>> targets;
    for (int i = 0; i < 4; ++i) {
        const TCustomChartAxis* axis = AxisList()[static_cast<size_t>(i)];
        if (axis->IsHorizontal())
            targets.emplace_back(axis->ValueAtPixel(rect.Left), axis->ValueAtPixel(rect.Right));
        else
            targets.emplace_back(axis->ValueAtPixel(rect.Bottom), axis->ValueAtPixel(rect.Top));
    }
    if (AnimatedZoom()) AnimateTowards(targets);
    for (int i = 0; i < 4; ++i)
        AxisList()[static_cast<size_t>(i)]->SetRange(targets[static_cast<size_t>(i)].first,
                                                     targets[static_cast<size_t>(i)].second);
    SetZoomApplied(true);
    if (OnZoom) OnZoom(this);
}

void TCustomChart::AnimateTowards(const std::vector<std::pair<double, double>>& targets) {
    std::vector<std::pair<double, double>> current;
    for (int i = 0; i < 4; ++i) {
        const TCustomChartAxis* axis = AxisList()[static_cast<size_t>(i)];
        current.emplace_back(axis->RangeMin(), axis->RangeMax());
    }
    for (int step = 1; step < AnimatedZoomSteps(); ++step) {
        for (size_t i = 0; i < 4; ++i) {
            current[i].first += (targets[i].first - current[i].first) / 3;
            current[i].second += (targets[i].second - current[i].second) / 3;
            AxisList()[i]->SetRange(current[i].first, current[i].second);
        }
        repaint();  // each step shows at once
    }
}

void TCustomChart::UndoZoom() {
    if (!savedScales_.empty()) {
        for (size_t i = 0; i < savedScales_.size(); ++i) {
            TCustomChartAxis* axis = AxisList()[i];
            const SavedScale& saved = savedScales_[i];
            axis->SetRange(saved.minimum, saved.maximum);
            axis->SetAutomaticMinimum(saved.automaticMinimum);
            axis->SetAutomaticMaximum(saved.automaticMaximum);
        }
        savedScales_.clear();
    }
    SetZoomApplied(false);
    if (OnUndoZoom) OnUndoZoom(this);
}

void TCustomChart::PanTo(int x, int y) {
    TZoomPanning& drag = PanDragRef();
    const bool horizontal = AllowPanning() == pmHorizontal || AllowPanning() == pmBoth;
    const bool vertical = AllowPanning() == pmVertical || AllowPanning() == pmBoth;
    for (int i = 0; i < 4; ++i) {
        TCustomChartAxis* axis = AxisList()[static_cast<size_t>(i)];
        if (axis->IsHorizontal() ? !horizontal : !vertical) continue;
        const int from = axis->IsHorizontal() ? drag.X1 : drag.Y1;
        const int to = axis->IsHorizontal() ? x : y;
        if (from == to) continue;
        // The values under the mouse follow it.
        const double delta = axis->ValueAtPixel(from) - axis->ValueAtPixel(to);
        double newMin = axis->RangeMin() + delta;
        double newMax = axis->RangeMax() + delta;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(axis, newMin, newMax, allow);
        if (allow) axis->SetRange(newMin, newMax);
    }
    drag.X1 = x;
    drag.Y1 = y;
    if (OnScroll) OnScroll(this);
}
