#include <gtest/gtest.h>

#include <limits>

#include "core/numbertext.h"

namespace kgr {
namespace {

TEST(FormatFixed, TableFormat) {
    EXPECT_EQ(FormatFixed(0, 4, 1, '.'), " 0.0");
    EXPECT_EQ(FormatFixed(52.36, 4, 1, '.'), "52.4");
    EXPECT_EQ(FormatFixed(125.66, 4, 1, '.'), "125.7");
    EXPECT_EQ(FormatFixed(5.02, 4, 1, '.'), " 5.0");
    EXPECT_EQ(FormatFixed(-5.02, 4, 1, '.'), "-5.0");
    EXPECT_EQ(FormatFixed(-12.5, 4, 1, '.'), "-12.5");
    EXPECT_EQ(FormatFixed(52.36, 4, 1, ','), "52,4");
}

TEST(FormatFixed, ZeroHasNoSign) {
    EXPECT_EQ(FormatFixed(-0.0, 4, 1, '.'), " 0.0");
    EXPECT_EQ(FormatFixed(-0.04, 4, 1, '.'), " 0.0");
    EXPECT_EQ(FormatFixed(-0.0004, 3, 3, '.'), "0.000");
}

TEST(FormatFixed, ThreeDecimals) {
    EXPECT_EQ(FormatFixed(2.769, 3, 3, '.'), "2.769");
    EXPECT_EQ(FormatFixed(0, 3, 3, '.'), "0.000");
    EXPECT_EQ(FormatFixed(15, 3, 3, ','), "15,000");
    EXPECT_EQ(FormatFixed(1e20, 3, 3, '.'), "100000000000000000000.000");
}

TEST(FormatGeneral, Plain) {
    EXPECT_EQ(FormatGeneral(2.6, '.'), "2.6");
    EXPECT_EQ(FormatGeneral(45, '.'), "45");
    EXPECT_EQ(FormatGeneral(0, '.'), "0");
    EXPECT_EQ(FormatGeneral(-0.0, '.'), "0");
    EXPECT_EQ(FormatGeneral(599.8, '.'), "599.8");
    EXPECT_EQ(FormatGeneral(-2.769, ','), "-2,769");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2, '.'), "0.3");
    EXPECT_EQ(FormatGeneral(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(2.0 / 3, '.'), "0.666666666666667");
    EXPECT_EQ(FormatGeneral(100, '.'), "100");
}

TEST(FormatGeneral, ExponentBoundaries) {
    EXPECT_EQ(FormatGeneral(0.0001, '.'), "0.0001");
    EXPECT_EQ(FormatGeneral(0.00012, '.'), "0.00012");
    EXPECT_EQ(FormatGeneral(0.00009999, '.'), "9.999E-5");
    EXPECT_EQ(FormatGeneral(1.5e-5, ','), "1,5E-5");
    EXPECT_EQ(FormatGeneral(-1e-10, '.'), "-1E-10");
    EXPECT_EQ(FormatGeneral(999999999999999.0, '.'), "999999999999999");
    EXPECT_EQ(FormatGeneral(123456789012345.6, '.'), "123456789012346");
    EXPECT_EQ(FormatGeneral(1e15, '.'), "1E15");
    EXPECT_EQ(FormatGeneral(9999999999999999.0, '.'), "1E16");
    EXPECT_EQ(FormatGeneral(1e20, '.'), "1E20");
    EXPECT_EQ(FormatGeneral(-1.25e300, '.'), "-1.25E300");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::denorm_min(), '.'), "4.94065645841247E-324");
}

}  // namespace
}  // namespace kgr
