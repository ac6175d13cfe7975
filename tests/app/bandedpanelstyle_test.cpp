// A field's panel drawn in bands at ratio 2 has the very pixels of the style underneath.
#include "app/bandedpanelstyle.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>

namespace {

QImage PanelAtRatioTwo(const QStyle& style, const QLineEdit& edit, bool focused) {
    QImage image(edit.width() * 2, edit.height() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    if (focused) option.state |= QStyle::State_HasFocus;
    style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &edit);
    return image;
}

TEST(BandedPanelStyle, DrawsTheUnderlyingStylesPixelsAtRatioTwo) {
    const QString name = QApplication::style()->name();
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(name));
    const TBandedPanelStyle banded(QStyleFactory::create(name));
    QLineEdit edit;
    for (const QSize size : {QSize(65, 20), QSize(120, 75)}) {
        edit.resize(size);
        for (const bool focused : {false, true})
            EXPECT_EQ(PanelAtRatioTwo(banded, edit, focused), PanelAtRatioTwo(*plain, edit, focused))
                << size.width() << "x" << size.height() << (focused ? " focused" : "");
    }
}

}  // namespace
