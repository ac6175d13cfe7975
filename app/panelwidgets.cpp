#include "app/panelwidgets.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

void TGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame(0, metrics.height() / 2, width() - 1, height() - metrics.height() / 2 - 1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

TBevelledEdit::TBevelledEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setFrame(false);
    setTextMargins(2, 1, 2, 1);
}

void TBevelledEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QRect edge = rect();
    const QColor shade = palette().color(QPalette::Mid);
    // The light edges first: the dark ones take the corners they share.
    painter.fillRect(edge.left(), edge.bottom(), edge.width(), 1, shade.lighter());
    painter.fillRect(edge.right(), edge.top(), 1, edge.height(), shade.lighter());
    painter.fillRect(edge.left(), edge.top(), edge.width(), 1, shade);
    painter.fillRect(edge.left(), edge.top(), 1, edge.height(), shade);
}
