// The application's style with line-edit frames drawn in bands. Qt's raster engine hands a fill of
// about 96 spans or more to its thread pool and waits for it; at 150 % and up the antialiased
// frame of a line edit is such a fill, and on every keystroke the hand-off cost more than the
// frame itself. Drawn in bands of a few device rows, each band stays on the painting thread. Where
// a stroke's pixels lie does not depend on the clip, so the pixels are the same.
#pragma once

#include <QProxyStyle>

class TBandedFrameStyle : public QProxyStyle {
  public:
    // Over the application's current style.
    TBandedFrameStyle();
    // Over `base` (which it takes).
    explicit TBandedFrameStyle(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Device rows per band: a frame's rows each give a few spans, and 96 spans go to threads.
    static constexpr int kBandRows = 16;
};

// Makes TBandedFrameStyle the application's style (QApplication owns it).
void InstallBandedFrameStyle();
