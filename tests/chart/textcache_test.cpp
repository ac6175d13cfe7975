// The text cache forgets old entries instead of growing: a text laid out again after 512 others
// in its font, a font realised again after 16 others, a stamp made again after 3 other colours.
#include "chart/textcache.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <string>

namespace {

TFont FontOfHeight(int height) {
    TFont font;
    font.SetName("DejaVu Sans");
    font.SetHeight(-height);
    return font;
}

// A mark that only the cached entry carries: a text laid out anew has its true width again.
constexpr int kMarked = -1;

TEST(TextCache, KeepsEntriesUntilItsLimitThenStartsAfresh) {
    TFontCache cache;
    TRealisedFont& font = cache.Realise(FontOfHeight(12));
    const int width = QFontMetrics(font.Font()).horizontalAdvance(QStringLiteral("10,000"));
    font.Text("10,000").Width = kMarked;
    for (int i = 0; i < 511; ++i) font.Text(std::to_string(i));
    EXPECT_EQ(font.Text("10,000").Width, kMarked);  // 512 texts: all kept
    font.Text("one more");
    EXPECT_EQ(font.Text("10,000").Width, width);

    cache.Realise(FontOfHeight(12)).Text("km/h").Width = kMarked;
    for (int height = 13; height < 28; ++height) cache.Realise(FontOfHeight(height));
    EXPECT_EQ(cache.Realise(FontOfHeight(12)).Text("km/h").Width, kMarked);  // 16 fonts: all kept
    cache.Realise(FontOfHeight(40));
    EXPECT_GT(cache.Realise(FontOfHeight(12)).Text("km/h").Width, 0);
}

TEST(TextCache, KeepsThreeStampsPerTextAndRemakesTheOldest) {
    TFontCache cache;
    TRealisedFont& font = cache.Realise(FontOfHeight(12));
    TLaidOutText& text = font.Text("Mj");
    const QImage red = font.Stamp(text, clRed).Pixels;
    ASSERT_FALSE(red.isNull());
    text.Stamps[0].Pixels = QImage();  // the red stamp, marked
    font.Stamp(text, clBlue);
    font.Stamp(text, clGray);
    EXPECT_TRUE(font.Stamp(text, clRed).Pixels.isNull());
    font.Stamp(text, clBlack);  // takes the red stamp's place
    EXPECT_EQ(font.Stamp(text, clRed).Pixels, red);
}

}  // namespace
