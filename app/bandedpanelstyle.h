// The fields' style at a whole device pixel ratio above 1: the application's own style, except that
// a field's panel is drawn in bands of at most 16 device rows. Qt's raster engine hands a fill of
// about 96 spans or more to its thread pool, and a field's antialiased frame at ratio 2 is that many:
// waking the pool's threads for it costs more, on every keystroke, than the frame itself. Each band
// is clipped on whole device rows and the frame's coverage does not depend on the clip, so the
// pixels are Qt's own.
#pragma once

#include <QProxyStyle>

class QLineEdit;

class TBandedPanelStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

// Gives `edit` the banded style when the application paints at a whole ratio above 1 (one style for
// all fields, owned by the application); otherwise leaves it as it is.
void UseBandedPanel(QLineEdit& edit);
