// A window that fits the screen: the described position is kept when the whole frame fits the
// screen's available area; otherwise the window moves by the least distance that makes it fit, and
// a frame too large to fit keeps its top-left corner (and so its title bar) on the screen.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where a frame of `frame` (position and size, title bar and borders included) goes within `available`.
QPoint FittedFramePosition(const QRect& frame, const QRect& available);

// Places the window, when it is first shown, at `position` (its frame's top-left, as QWidget::move
// takes it) or as near it as fits the available area of the screen there.
void KeepOnScreen(QWidget& window, QPoint position);
