#include "core/inputfields.h"

#include <gtest/gtest.h>

#include "core/fullwidth.h"

namespace kgr {
namespace {

TEST(FullWidth, DigitsSignsSeparatorsAndTheIdeographicSpaceBecomeAscii) {
    const std::pair<std::string, std::string> cases[] = {
        {"６５０", "650"},
        {"０１２３４５６７８９", "0123456789"},
        {"－２．５", "-2.5"},
        {"＋１，５", "+1,5"},
        {"\u3000１\u3000", " 1 "},
        {"ｘ１０／２", "ｘ10／2"},          // other full-width letters and signs stay
        {"タイヤ６５０mm", "タイヤ650mm"},  // so do other characters around them
        {"\xEF\xBC", "\xEF\xBC"},           // a cut sequence passes unchanged
        {"", ""}};
    for (const auto& [typed, read] : cases) EXPECT_EQ(ToHalfWidth(typed), read) << typed;
    EXPECT_EQ(HalfWidthOf(U'９'), U'9');
    EXPECT_EQ(HalfWidthOf(U'Ａ'), U'Ａ');
}

TEST(InputFields, EachFieldIsCheckedByItsOwnRule) {
    struct Case {
        int Field;
        const char* Text;
        TFieldFault Fault;
    };
    const Case cases[] = {
        {ifMaxRpm, "10", TFieldFault::ffNone},
        {ifMaxRpm, "$A", TFieldFault::ffNone},
        {ifMaxRpm, "1.5", TFieldFault::ffNotThousands},
        {ifPBLow, "", TFieldFault::ffNotThousands},
        {ifPBHigh, "2147484", TFieldFault::ffNotThousands},  // leaves 32 bits as rpm
        {ifRatio1, "0", TFieldFault::ffZero},
        {ifRatio1, "-0.0", TFieldFault::ffZero},
        {ifRatio2drv, "0", TFieldFault::ffZero},
        {ifRatio2drvn, "0e5", TFieldFault::ffZero},
        {ifRatio2drvn, "1x", TFieldFault::ffNotNumber},
        {ifTire, "0", TFieldFault::ffNone},  // divides nothing
        {ifTire, "6OO", TFieldFault::ffNotNumber},
        {ifRatioT1 + 5, "0", TFieldFault::ffNone},  // no such gear
        {ifRatioT1 + 2, "1,5", TFieldFault::ffNotNumber},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckInputField(c.Field, c.Text, '.'), c.Fault) << c.Field << c.Text;
    EXPECT_EQ(CheckInputField(ifRatioT1 + 2, "1,5", ','), TFieldFault::ffNone);
}

}  // namespace
}  // namespace kgr
