// Descriptions written as UTF-8 or as code page 932 (Shift-JIS of Japanese Windows).
#include <gtest/gtest.h>

#include "core/textencoding.h"
#include "tests/core/catalogs_fixture.h"

namespace kgr {
namespace {

// "スズキ 日本語" in code page 932.
const std::string SjisSuzuki = "\x83\x58\x83\x59\x83\x4C\x20\x93\xFA\x96\x7B\x8C\xEA";

TEST(TextEncoding, Utf8Validity) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("ascii"));
    EXPECT_TRUE(IsValidUtf8("スズキ 日本語 ～ ①"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8F\x8D"));  // U+1F3CD
    EXPECT_FALSE(IsValidUtf8(SjisSuzuki));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE3\x82"));          // cut short
    EXPECT_FALSE(IsValidUtf8("\xFF"));
}

TEST(TextEncoding, Cp932DecodesJapaneseAndWindowsExtensions) {
    EXPECT_EQ(Cp932ToUtf8(SjisSuzuki), "スズキ 日本語");
    EXPECT_EQ(Cp932ToUtf8("\xC4\xD7\xDD\xBD"), "ﾄﾗﾝｽ");  // half-width katakana
    EXPECT_EQ(Cp932ToUtf8("\x87\x40"), "①");             // NEC special character
    EXPECT_EQ(Cp932ToUtf8("\x81\x60"), "～");            // full-width tilde, as Windows maps it
}

TEST(TextEncoding, InvalidBytesBecomeReplacementCharacters) {
    const std::string decoded =
        Cp932ToUtf8(std::string("A\xFF"
                                "B\x83",
                                4));
    EXPECT_TRUE(IsValidUtf8(decoded));
    EXPECT_EQ(decoded.substr(0, 1), "A");
    EXPECT_NE(decoded.find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_NE(decoded.find('B'), std::string::npos);
}

TEST(TextEncoding, CatalogTextKeepsUtf8AndDecodesTheRest) {
    EXPECT_EQ(DecodeCatalogText("スズキ GSX1300BK B-King (2008-)"), "スズキ GSX1300BK B-King (2008-)");
    EXPECT_EQ(DecodeCatalogText(SjisSuzuki), "スズキ 日本語");
    EXPECT_EQ(DecodeCatalogText("plain"), "plain");
}

std::string Repeat(const std::string& unit, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += unit;
    return text;
}

const std::string SjisA = "\x82\xA0";  // "あ" in code page 932

TEST(TextEncoding, CutLeavesOutAUtf8CharacterTheLimitWouldSplit) {
    const std::string text = Repeat("あ", 700);  // 3 bytes each
    EXPECT_EQ(CutOnCharacter(text, 2047), Repeat("あ", 682));
    EXPECT_EQ(CutOnCharacter(text, 2046), Repeat("あ", 682));  // already on a boundary
    EXPECT_EQ(CutOnCharacter("aあ", 3), "a");
    EXPECT_EQ(CutOnCharacter("\xF0\x9F\x8F\x8D", 3), "");
    EXPECT_EQ(CutOnCharacter("short", 2047), "short");
}

TEST(TextEncoding, CutLeavesOutACp932CharacterTheLimitWouldSplit) {
    const std::string text = Repeat(SjisA, 1100);
    EXPECT_EQ(CutOnCharacter(text, 2047), Repeat(SjisA, 1023));
    // 0xA0 is a whole character after a single-byte one but a second byte after 0x82: only
    // reading from the start tells them apart.
    EXPECT_EQ(CutOnCharacter("\xB1" + SjisA + SjisA, 4), "\xB1" + SjisA);
    EXPECT_EQ(CutOnCharacter(SjisA + SjisA, 3), SjisA);
    EXPECT_EQ(CutOnCharacter("\xB1\xB2\xB3", 2), "\xB1\xB2");  // half-width katakana are one byte
}

TEST(TextEncoding, CutTextDecodesToTheStartOfTheWholeText) {
    // Appended in place, not joined with operator+: GCC 12 -O3 warns falsely (-Wrestrict) on the latter.
    std::string prefixed = "x";
    prefixed += Repeat(SjisSuzuki, 200);
    for (const std::string& text : {Repeat("あ", 700), Repeat(SjisA, 1100), prefixed}) {
        const std::string cut = DecodeCatalogText(CutOnCharacter(text, 2047));
        EXPECT_EQ(DecodeCatalogText(text).substr(0, cut.size()), cut);
        EXPECT_EQ(cut.find("\xEF\xBF\xBD"), std::string::npos);
    }
}

class CatalogEncoding : public test::TCatalogTest {};

TEST_F(CatalogEncoding, ALongDescriptionKeepsItsEncodingWhereTheLimitSplitsACharacter) {
    WriteFile("primary.ini", "[generic]\nnumber=2\ndefault=0\n[info1]\ndescription=" + Repeat("あ", 700) +
                                 "\n[info2]\ndescription=" + Repeat(SjisA, 1100) + "\n");
    test::TFakeList list;
    LoadCatalog(Context, "primary.ini", list);
    EXPECT_EQ(list.Items, (std::vector<std::string>{"(USER)", Repeat("あ", 682), Repeat("あ", 1023)}));
}

TEST_F(CatalogEncoding, DescriptionsInEitherEncodingReachTheListAsUtf8) {
    WriteFile("primary.ini", "\xEF\xBB\xBF[generic]\r\nnumber=2\r\ndefault=0\r\n[info1]\r\ndescription=" +
                                 SjisSuzuki + "\r\nratio=1.5\r\n[info2]\r\ndescription=ホンダ CBR1100XX\r\n");
    test::TFakeList list;
    LoadCatalog(Context, "primary.ini", list);
    EXPECT_EQ(list.Items, (std::vector<std::string>{"(USER)", "スズキ 日本語", "ホンダ CBR1100XX"}));
    EXPECT_TRUE(Messages.Texts.empty());
}

}  // namespace
}  // namespace kgr
