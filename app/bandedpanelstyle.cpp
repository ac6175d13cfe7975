#include "app/bandedpanelstyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace {

// An antialiased frame has a few spans on every row: bands of 16 rows stay well below 96 spans.
constexpr int kBandRows = 16;

// The whole ratio the painter paints at (0: none above 1).
int WholeRatio(const QPainter& painter) {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1;
    return ratio > 1 && ratio <= kBandRows && ratio == std::floor(ratio) ? static_cast<int>(ratio) : 0;
}

}  // namespace

void TBandedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    const int ratio = painter != nullptr && option != nullptr ? WholeRatio(*painter) : 0;
    if (element != PE_PanelLineEdit || ratio == 0) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect area = option->rect;
    const int band = kBandRows / ratio;
    for (int top = area.top(); top <= area.bottom(); top += band) {
        painter->save();
        painter->setClipRect(QRect(area.left(), top, area.width(), band), Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    }
}

void UseBandedPanel(QLineEdit& edit) {
    const qreal ratio = qApp->devicePixelRatio();
    if (ratio <= 1 || ratio != std::floor(ratio)) return;
    static QPointer<TBandedPanelStyle> style;
    if (style.isNull()) {
        // The application's own style underneath, whichever it is.
        style = new TBandedPanelStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    edit.setStyle(style);
}
