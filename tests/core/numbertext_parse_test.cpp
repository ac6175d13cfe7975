#include <gtest/gtest.h>

#include <cmath>

#include "core/numbertext.h"

namespace kgr {
namespace {

TEST(ParseInteger, DecimalAndHexForms) {
    EXPECT_EQ(ParseInteger("10"), 10);
    EXPECT_EQ(ParseInteger("   -7"), -7);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("007"), 7);
    EXPECT_EQ(ParseInteger("$1F"), 31);
    EXPECT_EQ(ParseInteger("$1f"), 31);
    EXPECT_EQ(ParseInteger("x1f"), 31);
    EXPECT_EQ(ParseInteger("X1F"), 31);
    EXPECT_EQ(ParseInteger("0x1F"), 31);
    EXPECT_EQ(ParseInteger("0X1f"), 31);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("0"), 0);
}

TEST(ParseInteger, ThirtyTwoBitLimits) {
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(ParseInteger("-$80000000"), INT32_MIN);
    EXPECT_FALSE(ParseInteger("2147483648"));
    EXPECT_FALSE(ParseInteger("-2147483649"));
    EXPECT_FALSE(ParseInteger("$80000000"));
    EXPECT_FALSE(ParseInteger("$FFFFFFFF"));
    EXPECT_FALSE(ParseInteger("99999999999999999999999"));
}

TEST(ParseInteger, Rejects) {
    for (const char* text : {"", " ", "-", "+", "$", "x", "0x", "1 ", "1a", "12.0", "1e3", "--1", "$-1",
                             "0x$1", "$1G", "nan", "\t1", "1,000"})
        EXPECT_FALSE(ParseInteger(text)) << '"' << text << '"';
}

TEST(ParseFloat, Accepts) {
    EXPECT_EQ(ParseFloat("2.5", '.'), 2.5);
    EXPECT_EQ(ParseFloat("  1.8  ", '.'), 1.8);
    EXPECT_EQ(ParseFloat("-3", '.'), -3);
    EXPECT_EQ(ParseFloat("+3", '.'), 3);
    EXPECT_EQ(ParseFloat(".5", '.'), 0.5);
    EXPECT_EQ(ParseFloat("5.", '.'), 5);
    EXPECT_EQ(ParseFloat("1e5", '.'), 1e5);
    EXPECT_EQ(ParseFloat("1.5E-3", '.'), 1.5e-3);
    EXPECT_EQ(ParseFloat("2E+2", '.'), 200);
    EXPECT_EQ(ParseFloat("0.1", '.'), 0.1);
    EXPECT_EQ(ParseFloat("1.7976931348623157e308", '.'), 1.7976931348623157e308);
}

TEST(ParseFloat, SeparatorIsAParameter) {
    EXPECT_EQ(ParseFloat("2,5", ','), 2.5);
    EXPECT_FALSE(ParseFloat("2.5", ','));
    EXPECT_FALSE(ParseFloat("2,5", '.'));
    EXPECT_FALSE(ParseFloat("1.000,5", ','));
}

TEST(ParseFloat, Rejects) {
    for (const char* text :
         {"",    "   ", ".",    "-",        "+.",   "1e",  "1e+", "e5",   "1.2.3", "1..2", "nan",
          "NaN", "inf", "-inf", "Infinity", "0x10", "$10", "1 2", "1.5x", "--1",   "\t1"})
        EXPECT_FALSE(ParseFloat(text, '.')) << '"' << text << '"';
}

TEST(ParseFloat, RangeLimits) {
    EXPECT_FALSE(ParseFloat("1e400", '.'));
    EXPECT_FALSE(ParseFloat("-1e400", '.'));
    EXPECT_FALSE(ParseFloat("1e99999999999999999999", '.'));
    const auto tiny = ParseFloat("1e-400", '.');
    ASSERT_TRUE(tiny);
    EXPECT_EQ(*tiny, 0);
    const auto negativeTiny = ParseFloat("-1e-99999999999999999999", '.');
    ASSERT_TRUE(negativeTiny);
    EXPECT_EQ(*negativeTiny, 0);
    EXPECT_TRUE(std::signbit(*negativeTiny));
    EXPECT_EQ(ParseFloat("0.000e999999", '.'), 0);
}

}  // namespace
}  // namespace kgr
