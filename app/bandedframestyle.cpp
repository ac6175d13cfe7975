#include "app/bandedframestyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

// A new instance of the style the application would use (the platform's, or the one -style or
// QT_STYLE_OVERRIDE names); the platform's default when it cannot be made again.
TBandedFrameStyle::TBandedFrameStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void TBandedFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    // Every primitive of every widget comes through here: anything but a line-edit frame goes
    // straight on.
    if (element != PE_FrameLineEdit || option == nullptr || painter == nullptr ||
        painter->device() == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatio();
    const int bandRows = static_cast<int>(std::floor(kBandRows / ratio));
    if (bandRows < 1 || option->rect.height() * ratio <= 2 * kBandRows) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A pen may reach a pixel beyond the rectangle on every side.
    const QRect whole = option->rect.adjusted(-2, -2, 2, 2);
    for (int top = whole.top(); top <= whole.bottom(); top += bandRows) {
        painter->save();
        painter->setClipRect(QRect(whole.left(), top, whole.width(), bandRows), Qt::IntersectClip);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->restore();
    }
}

void InstallBandedFrameStyle() {
    QApplication::setStyle(new TBandedFrameStyle);
}
