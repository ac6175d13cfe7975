#include "app/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Before the window manager has framed the window, its frame is not known: the title bar is taken
// to be as high as the style's.
QMargins FrameMargins(const QWidget& window) {
    const QMargins known = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    if (!known.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen")) return known;
    return {0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0};
}

class TPlaceWhenShown : public QObject {
  public:
    TPlaceWhenShown(QWidget& window, QPoint position)
        : QObject(&window), window_(window), position_(position) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ || event->type() != QEvent::Show) return false;
        // A window's position is its frame's.
        const QRect frame(position_, window_.size().grownBy(FrameMargins(window_)));
        QScreen* screen = QGuiApplication::screenAt(position_);
        if (!screen) screen = window_.screen();
        window_.move(FittedFramePosition(frame, screen->availableGeometry()));
        deleteLater();  // once: a window the user moved stays where it was put
        return false;
    }

  private:
    QWidget& window_;
    QPoint position_;
};

// The least move along one axis that brings [start, start + length) into [low, high); the low end
// wins when it cannot fit.
int Fitted(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

QPoint FittedFramePosition(const QRect& frame, const QRect& available) {
    return {Fitted(frame.left(), frame.width(), available.left(), available.left() + available.width()),
            Fitted(frame.top(), frame.height(), available.top(), available.top() + available.height())};
}

void KeepOnScreen(QWidget& window, QPoint position) {
    window.move(position);
    window.installEventFilter(new TPlaceWhenShown(window, position));
}
