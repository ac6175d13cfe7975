// The sprocket search and the chain length, against figures worked out by hand.
#include "tools/calc/sprockets.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kcalc {
namespace {

// The worked drive train, searched in fifth (1.0): top speed 40 pi x (f / 15) / (r / 45) km/h.
TSprocketSearch WorkedSearch() {
    TSprocketSearch s;
    s.Setup.MaxK = 10;
    s.Setup.Primary = 3;
    s.Setup.Drive = 15;
    s.Setup.Driven = 45;
    s.Setup.Tire = 600;
    s.Setup.Gears = {2.5, 1.8, 1.4, 1.15, 1, 0};
    s.Gear = 5;
    return s;
}

TEST(Sprockets, ChainLengthOfAKnownChain) {
    // 520 chain (15.875 mm), 15/45, 600 mm: 1200 / 15.875 + 30 + (30 / 2 pi)^2 x 15.875 / 600
    // = 75.59 + 30 + 0.60 = 106.19 links, so a 108-link chain.
    EXPECT_EQ(ChainLinks(15, 45, {15.875, 600}), 108);
    // Equal sprockets, 12.5 mm pitch, 500 mm: 80 + f links. Even counts stay, odd ones go up.
    EXPECT_EQ(ChainLinks(16, 16, {12.5, 500}), 96);
    EXPECT_EQ(ChainLinks(15, 15, {12.5, 500}), 96);
    EXPECT_EQ(ChainLinks(17, 17, {12.5, 500}), 98);
}

TEST(Sprockets, EqualRatiosRankByFrontThenRear) {
    // Every f / 3f pair gives the current 40 pi km/h exactly; the best five ascend by front teeth.
    auto s = WorkedSearch();
    s.Front = {12, 20};
    s.Rear = {36, 60};
    s.TargetSpeed = 40 * M_PI;
    s.Count = 5;
    s.Chain = TChain{15.875, 600};
    const auto found = FindSprockets(s);
    ASSERT_EQ(found.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(found[i].Front, 12 + i);
        EXPECT_EQ(found[i].Rear, 36 + 3 * i);
        ASSERT_TRUE(found[i].Change);
        EXPECT_NEAR(*found[i].Change, 0, 1e-12);
        EXPECT_TRUE(found[i].Links);
    }
}

TEST(Sprockets, PairsAsFarAboveAsBelowTheTargetTie) {
    // 2 % less than now: every f / 3f pair keeps 40 pi km/h, 16/50 gives 0.96 of it; all eight are
    // 0.02 x 40 pi away and come after the seven nearer pairs, by front, then rear teeth. The target
    // carries the rounding of 0.98 and of the current speed.
    auto s = WorkedSearch();
    s.TargetSpeed = TopSpeed(s, 15, 45) * (1 + -2.0 / 100);
    s.Count = 15;
    const auto found = FindSprockets(s);
    ASSERT_EQ(found.size(), 15u);
    const int expected[8][2] = {{12, 36}, {13, 39}, {14, 42}, {15, 45},
                                {16, 48}, {16, 50}, {17, 51}, {18, 54}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(found[7 + i].Front, expected[i][0]) << i;
        EXPECT_EQ(found[7 + i].Rear, expected[i][1]) << i;
    }
}

TEST(Sprockets, NearestFirstAndNoMoreThanThereArePairs) {
    auto s = WorkedSearch();
    s.Front = {15, 16};
    s.Rear = {45, 46};
    s.TargetSpeed = 130;  // 15/45 125.7, 15/46 122.9, 16/45 134.0, 16/46 131.1
    s.Count = 1'000'000'000'000;
    const auto found = FindSprockets(s);
    ASSERT_EQ(found.size(), 4u);
    const int expected[4][2] = {{16, 46}, {16, 45}, {15, 45}, {15, 46}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(found[i].Front, expected[i][0]);
        EXPECT_EQ(found[i].Rear, expected[i][1]);
    }
}

TEST(Sprockets, SpeedsBeyondRangeStillRankInOrder) {
    // An overflowing top speed against an infinite target leaves no distance to compare.
    auto s = WorkedSearch();
    s.Setup.Tire = 1e308;
    s.Front = {12, 13};
    s.Rear = {40, 41};
    s.TargetSpeed = INFINITY;
    const auto found = FindSprockets(s);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].Front, 12);
    EXPECT_EQ(found[0].Rear, 40);
    EXPECT_EQ(found[3].Front, 13);
    EXPECT_EQ(found[3].Rear, 41);
}

TEST(Sprockets, NoChangeAgainstACurrentTopSpeedBeyondRange) {
    // Primary 1e-10 and a 3.44e298 mm tyre: 15/45 in fifth gives 2.16e308 km/h, past the double
    // range; 12/54 gives two thirds of it, 1.44e308, inside.
    auto s = WorkedSearch();
    s.Setup.Primary = 1e-10;
    s.Setup.Tire = 3.44e298;
    s.Front = {12, 12};
    s.Rear = {54, 54};
    s.TargetSpeed = 1e308;
    const auto found = FindSprockets(s);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NEAR(found[0].TopSpeed, 1.44e308, 0.01e308);
    EXPECT_FALSE(found[0].Change);
}

}  // namespace
}  // namespace kcalc
