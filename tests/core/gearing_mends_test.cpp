// Large engine speeds, results beyond the double range, and the shortcut for the table maximum.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/formulas.h"
#include "core/numbertext.h"
#include "tests/core/gearing_test_support.h"

namespace kgr {
namespace {

using test::WorkedInputs;

TEST(GearingMends, LargestMaxKWhoseRpmFitsIn32Bits) {
    auto inputs = WorkedInputs();
    inputs.MaxRpm = "2147483";
    const auto result = ComputeGearing(inputs, '.');
    ASSERT_TRUE(result.Drawn);
    EXPECT_EQ(result.RowCount, 2147485);
    EXPECT_EQ(result.Cell(0, 2147484), "2147483000rpm");
    EXPECT_EQ(result.Cell(0, 2147485), "");
    EXPECT_EQ(result.Points[7][1].y, 2147483000.0);
    EXPECT_EQ(result.Cell(5, 2147484), FormatFixed(result.MaxSpeed, 4, 1, '.'));
}

TEST(GearingMends, ThousandsBeyond32BitRpmFailLikeUnparsableText) {
    for (int field = 0; field < 3; ++field)
        for (const char* text : {"2147484", "-2147484", "2147483647", "-2147483648"}) {
            auto inputs = WorkedInputs();
            (field == 0 ? inputs.MaxRpm : field == 1 ? inputs.PBLow : inputs.PBHigh) = text;
            const auto result = ComputeGearing(inputs, '.');
            EXPECT_FALSE(result.Drawn) << field << " " << text;
            EXPECT_EQ(result.RowCount, 2) << field << " " << text;
            EXPECT_FALSE(result.PowerBand);
        }
}

TEST(GearingMends, BandAtTheNegativeLimitStillFits) {
    auto inputs = WorkedInputs();
    inputs.PBLow = "-2147483";
    inputs.PBHigh = "2147483";
    const auto result = ComputeGearing(inputs, '.');
    ASSERT_TRUE(result.Drawn);
    EXPECT_EQ(result.PowerBand->Y0, -2147483001.0);
    EXPECT_EQ(result.PowerBand->Y1, 2147483000.0);
}

void ExpectNothingDrawn(const TGearingResult& result, int rowCount) {
    EXPECT_FALSE(result.Drawn);
    EXPECT_EQ(result.RowCount, rowCount);
    EXPECT_EQ(result.MaxSpeed, 0);
    EXPECT_FALSE(result.PowerBand);
    for (const auto& points : result.Points) EXPECT_TRUE(points.empty());
    EXPECT_EQ(result.Cell(0, rowCount - 1), std::to_string((rowCount - 2) * 1000) + "rpm");
    EXPECT_EQ(result.Cell(1, rowCount - 1), "");
}

TEST(GearingMends, ResultsBeyondTheDoubleRangeDrawNothing) {
    auto primaryOverflows = WorkedInputs();
    primaryOverflows.Ratio1 = "1e-305";  // every non-zero engine speed over primary overflows
    ExpectNothingDrawn(ComputeGearing(primaryOverflows, '.'), 12);

    // rpm / primary overflows, then times tire 0 gives NaN.
    // Built whole, not assigned field by field: GCC 12 -O3 warns falsely (-Wrestrict) on the latter.
    const TGearingInputs overflowTimesZeroTire{"10", "6",  "8", "1e-320",
                                               "15", "45", "0", {"2.5", "1.8", "1.4", "1.15", "1", "0"}};
    ExpectNothingDrawn(ComputeGearing(overflowTimesZeroTire, '.'), 12);

    auto oneGearOverflows = WorkedInputs();
    oneGearOverflows.RatioT[2] = "1e-310";  // only one gear overflows
    ExpectNothingDrawn(ComputeGearing(oneGearOverflows, '.'), 12);
}

TEST(GearingMends, OverflowOnlyInTheShiftPointDrawsNothing) {
    auto capped = WorkedInputs();  // an overflow upwards is capped by the band's bottom
    capped.RatioT[1] = "1e300";
    capped.RatioT[0] = "1e-10";
    EXPECT_EQ(ComputeGearing(capped, '.').Points[2][0].y, 6000);

    // The table stays finite, but RpmAtSpeed for the next gear overflows to minus infinity, which
    // the band's bottom does not cap.
    auto inputs = WorkedInputs();
    inputs.RatioT[1] = "-1e300";
    inputs.RatioT[0] = "1e-10";
    const auto result = ComputeGearing(inputs, '.');
    ExpectNothingDrawn(result, 12);
}

// The maximum must equal what a visit of every cell would find, for any signs of the ratios.
TEST(GearingMends, MaxSpeedEqualsTheMaximumOverEveryCell) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> magnitude(0.05, 80);
    std::uniform_int_distribution<int> sign(0, 4);
    const auto pick = [&] {
        const int s = sign(random);
        return s == 0 ? -magnitude(random) : s == 1 ? 0.0 : magnitude(random);
    };
    for (int trial = 0; trial < 300; ++trial) {
        const int maxK = trial % 40;
        double ratios[10];
        for (double& r : ratios) r = pick();
        if (ratios[0] == 0 || ratios[1] == 0 || ratios[2] == 0) continue;
        TGearingInputs inputs{std::to_string(maxK), "3", "5", "", "", "", "", {}};
        std::string* texts[10] = {&inputs.Ratio1,    &inputs.Ratio2drv, &inputs.Ratio2drvn, &inputs.Tire,
                                  &inputs.RatioT[0], &inputs.RatioT[1], &inputs.RatioT[2],  &inputs.RatioT[3],
                                  &inputs.RatioT[4], &inputs.RatioT[5]};
        char text[40];
        for (int i = 0; i < 10; ++i) {
            std::snprintf(text, sizeof text, "%.17g", ratios[i]);
            *texts[i] = text;
        }
        const auto result = ComputeGearing(inputs, '.');
        ASSERT_TRUE(result.Drawn);
        double expected = 0;
        for (int g = 0; g < 6; ++g)
            for (int r = 0; r <= maxK; ++r) {
                const double s =
                    SpeedAtRpm(r * 1000, ratios[0], ratios[1], ratios[2], ratios[3], ratios[4 + g]);
                if (s > expected) expected = s;
            }
        ASSERT_EQ(result.MaxSpeed, expected) << trial;
    }
}

}  // namespace
}  // namespace kgr
