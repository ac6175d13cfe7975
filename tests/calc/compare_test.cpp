// Two setups compared, against figures worked out by hand for the worked drive train: primary 3,
// sprockets 15/45, tyre 600 mm (circumference 0.6 pi m), maxK 10. At 10000 rpm the wheel turns
// 10000 / (3 x 3 x g) times a minute, so the top speed in gear g is 40 pi / g km/h, and 100 km/h
// needs 25000 g / pi rpm.
#include "tools/calc/compare.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kcalc {
namespace {

kgr::TParsedInputs Worked(double drive = 15, std::array<double, 6> gears = {2.5, 1.8, 1.4, 1.15, 1, 0}) {
    kgr::TParsedInputs in;
    in.MaxK = 10;
    in.PBLowK = 6;
    in.PBHighK = 8;
    in.Primary = 3;
    in.Drive = drive;
    in.Driven = 45;
    in.Tire = 600;
    in.Gears = gears;
    return in;
}

constexpr double kKmPerMile = 1.609344;

TEST(Compare, WorkedDriveTrainByHand) {
    const auto c = Compare(Worked(), Worked(16), 1, 100);
    const double gears[] = {2.5, 1.8, 1.4, 1.15, 1};
    const double overall[] = {22.5, 16.2, 12.6, 10.35, 9};  // 3 x g x 45 / 15
    for (int g = 1; g <= 5; ++g) {
        const auto& gear = c.Gears[g - 1];
        ASSERT_TRUE(gear.A && gear.B) << g;
        EXPECT_DOUBLE_EQ(gear.A->Overall, overall[g - 1]);
        EXPECT_DOUBLE_EQ(gear.B->Overall, overall[g - 1] * 15 / 16);
        EXPECT_NEAR(gear.A->TopSpeed, 40 * M_PI / gears[g - 1], 1e-9);
        EXPECT_NEAR(gear.A->RpmAtCruise, 25000 * gears[g - 1] / M_PI, 1e-8);
        // 16/45 instead of 15/45 turns the wheel 16/15 as fast: 6.67 % more in every gear.
        EXPECT_NEAR(*gear.TopSpeedChange, 100.0 / 15, 1e-9);
    }
    EXPECT_NEAR(c.Gears[4].A->TopSpeed, 125.66370614359172, 1e-9);
    EXPECT_NEAR(c.Gears[4].B->TopSpeed, 134.0412865531645, 1e-9);
    EXPECT_FALSE(c.Gears[5].A || c.Gears[5].B || c.Gears[5].TopSpeedChange);
    EXPECT_NEAR(*c.SpeedChange, 100.0 / 15, 1e-9);
}

TEST(Compare, MilesPerHour) {
    // 40 pi km/h / 1.609344 = 78.0838 mph; 60 mph = 96.56064 km/h, needing 0.9656064 x 7957.75 rpm.
    const auto c = Compare(Worked(), Worked(), kKmPerMile, 60);
    EXPECT_NEAR(c.Gears[4].A->TopSpeed, 78.08380690740557, 1e-9);
    EXPECT_NEAR(c.Gears[4].A->RpmAtCruise, 7684.051582058497, 1e-8);
    EXPECT_DOUBLE_EQ(c.Gears[4].A->Overall, 9);
    EXPECT_NEAR(*c.SpeedChange, 0, 1e-12);
}

TEST(Compare, SpeedChangeUsesTheHighestGearBothHave) {
    // B has no fifth gear and a taller fourth: 1.15 / 1.25 of the speed, 8 % less.
    const auto c = Compare(Worked(), Worked(15, {2.5, 1.8, 1.4, 1.25, 0, 0}), 1, 100);
    EXPECT_TRUE(c.Gears[4].A);
    EXPECT_FALSE(c.Gears[4].B);
    EXPECT_FALSE(c.Gears[4].TopSpeedChange);
    EXPECT_NEAR(*c.Gears[3].TopSpeedChange, -8, 1e-9);
    EXPECT_NEAR(*c.SpeedChange, -8, 1e-9);
    const auto none = Compare(Worked(15, {1, 0, 0, 0, 0, 0}), Worked(15, {0, 1, 0, 0, 0, 0}), 1, 100);
    EXPECT_FALSE(none.SpeedChange);
}

TEST(Compare, NoChangeAgainstATopSpeedBeyondRange) {
    // Primary 1e-10 with a 1e300 mm tyre runs every top speed past the double range: no per cent
    // of it means anything, in either direction.
    auto huge = Worked();
    huge.Primary = 1e-10;
    huge.Tire = 1e300;
    for (const auto& c : {Compare(huge, Worked(), 1, 100), Compare(Worked(), huge, 1, 100)}) {
        for (int g = 1; g <= 5; ++g) {
            ASSERT_TRUE(c.Gears[g - 1].A && c.Gears[g - 1].B) << g;
            EXPECT_FALSE(c.Gears[g - 1].TopSpeedChange) << g;
        }
        EXPECT_FALSE(c.SpeedChange);
    }
}

}  // namespace
}  // namespace kcalc
