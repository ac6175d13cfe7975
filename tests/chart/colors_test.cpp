// Colour conversion, system colours and colour names.
#include "chart/colors.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

namespace {

TEST(Colors, PlainColoursKeepTheirBytes) {
    EXPECT_EQ(ColorToRGB(11187711), 11187711);
    QColor c = ToQColor(11187711);  // $AAB5FF
    EXPECT_EQ(c.red(), 255);
    EXPECT_EQ(c.green(), 181);
    EXPECT_EQ(c.blue(), 170);
    EXPECT_EQ(FromQColor(c), 11187711);
    EXPECT_EQ(RGBColor(255, 181, 170), 11187711);
}

TEST(Colors, SpecialValuesPassConversionUnchanged) {
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
}

TEST(Colors, SystemColoursResolveThroughThePalette) {
    QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(ColorToRGB(clBtnFace), FromQColor(palette.color(QPalette::Active, QPalette::Button)));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), FromQColor(palette.color(QPalette::Active, QPalette::Light)));
    EXPECT_EQ(ColorToRGB(clBtnShadow), FromQColor(palette.color(QPalette::Active, QPalette::Dark)));
    EXPECT_EQ(ColorToRGB(clWindowText), FromQColor(palette.color(QPalette::Active, QPalette::Text)));
    // 3-D light is a tint of the face: halfway from the face towards the palette's midlight.
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    const QColor mid = palette.color(QPalette::Active, QPalette::Midlight);
    EXPECT_EQ(ColorToRGB(cl3DLight),
              FromQColor(QColor((face.red() + mid.red()) / 2, (face.green() + mid.green()) / 2,
                                (face.blue() + mid.blue()) / 2)));
    EXPECT_EQ(ColorToRGB(clSystemColor | 0xEE), clBlack);  // unknown number: no crash
}

TEST(Colors, NamesRoundTrip) {
    for (TColor colour : {clWhite, clSilver, clBlack, clMaroon, cl3DLight, clWindowText, clBtnFace, clNone}) {
        auto parsed = ColorFromName(ColorToName(colour));
        ASSERT_TRUE(parsed.has_value()) << ColorToName(colour);
        EXPECT_EQ(*parsed, colour);
    }
    EXPECT_EQ(ColorFromName("CLWHITE"), clWhite);
    EXPECT_EQ(ColorFromName("$00FF00"), clLime);
    EXPECT_EQ(ColorFromName("255"), clRed);
    EXPECT_EQ(ColorToName(0x123456), "$00123456");
    EXPECT_FALSE(ColorFromName("clNoSuchColour").has_value());
    EXPECT_FALSE(ColorFromName("").has_value());
    EXPECT_FALSE(ColorFromName("$").has_value());
}

}  // namespace
