// Line-edit frames drawn in bands have the very pixels of the style they are drawn over, with and
// without focus, at the ratios where they are banded and at 1.
#include "app/bandedframestyle.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <memory>

namespace {

QImage Frame(const QStyle& style, qreal ratio, bool focus) {
    QImage image(qRound(140 * ratio), qRound(30 * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QStyleOptionFrame option;
    option.rect = QRect(3, 2, 130, 25);
    option.state =
        QStyle::State_Enabled | QStyle::State_Sunken | (focus ? QStyle::State_HasFocus : QStyle::State_None);
    option.lineWidth = 1;
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter);
    return image;
}

TEST(BandedFrameStyle, DrawsTheBaseStylesPixels) {
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(base, nullptr);
    const TBandedFrameStyle banded(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0})
        for (const bool focus : {false, true})
            EXPECT_EQ(Frame(banded, ratio, focus), Frame(*base, ratio, focus)) << ratio << " " << focus;
}

}  // namespace
