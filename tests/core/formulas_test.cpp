#include "core/formulas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kgr {
namespace {

// The worked drive train: primary 3, sprockets 15/45, tyre 600 mm, gear 1.
constexpr double kPrimary = 3, kDrive = 15, kDriven = 45, kTire = 600;

TEST(Formulas, WorkedExample) {
    const double v = SpeedAtRpm(10000, kPrimary, kDrive, kDriven, kTire, 1);
    EXPECT_NEAR(v, 125.6637, 1e-4);
    EXPECT_DOUBLE_EQ(v, 0.6 * M_PI * 1111.111111111111 * 60 / 1000);
    EXPECT_NEAR(RpmAtSpeed(v, kPrimary, kDrive, kDriven, kTire, 1), 10000, 1e-9);
    EXPECT_EQ(TireDiameter(17, 120, 70), 599.8);
}

TEST(Formulas, SpeedZeroCases) {
    for (double rpm : {0.0, 1000.0, 1e6, -5000.0}) EXPECT_EQ(SpeedAtRpm(rpm, 3, 15, 45, 600, 0), 0) << rpm;
    EXPECT_EQ(SpeedAtRpm(0, 3, 15, 45, 600, 2.5), 0);
    EXPECT_EQ(SpeedAtRpm(8000, 3, 15, 45, 0, 2.5), 0);
}

TEST(Formulas, RpmZeroCasesDoNotDivide) {
    EXPECT_EQ(RpmAtSpeed(100, 3, 15, 45, 0, 1), 0);
    EXPECT_EQ(RpmAtSpeed(100, 3, 0, 45, 600, 1), 0);
    EXPECT_EQ(RpmAtSpeed(100, 3, 15, 45, 600, 0), 0);
    EXPECT_EQ(RpmAtSpeed(0, 3, 15, 45, 600, 1.4), 0);
}

TEST(Formulas, RpmInvertsSpeed) {
    for (double gear : {2.5, 1.8, 1.15, 0.7, -1.3})
        for (double rpm : {1000.0, 5760.0, 12345.0, -3000.0}) {
            const double v = SpeedAtRpm(rpm, 2.9, 14, 47, 612.4, gear);
            EXPECT_NEAR(RpmAtSpeed(v, 2.9, 14, 47, 612.4, gear), rpm, std::abs(rpm) * 1e-14)
                << gear << " " << rpm;
        }
}

TEST(Formulas, NegativeInputsFollowTheSameArithmetic) {
    EXPECT_EQ(SpeedAtRpm(10000, -3, 15, 45, 600, 1), -SpeedAtRpm(10000, 3, 15, 45, 600, 1));
    EXPECT_EQ(SpeedAtRpm(10000, 3, 15, 45, 600, -1), -SpeedAtRpm(10000, 3, 15, 45, 600, 1));
}

TEST(Formulas, TireDiameterEdges) {
    EXPECT_EQ(TireDiameter(0, 0, 0), 0);
    EXPECT_EQ(TireDiameter(17, 0, 55), static_cast<double>(25.4L * 17));
    EXPECT_EQ(TireDiameter(0, 180, 55), 198);
}

// Speeds worked out with exact rational arithmetic, rounding to a 64-bit mantissa after every
// operation and to a 53-bit one where the steps store: plain double arithmetic gives another last
// bit for each of these drive trains.
TEST(Formulas, SpeedRoundsLikeExtendedPrecisionStoredAsDouble) {
    struct TCase {
        double rpm, primary, drive, driven, tire, gear, speed;
    };
    const TCase cases[] = {
        {4000, 2.122, 13, 46, 571.5, 0.898, 0x1.ff3f57c72d4c5p+5},
        {14000, 1.619, 13, 46, 592.5, 2.602, 0x1.a39305aff1a6bp+6},
        {4000, 3.111, 17, 38, 607.7, 1.612, 0x1.46fe9fbdf42d0p+5},
        {19000, 2.024, 14, 39, 608.2, 2.17, 0x1.640f991fccacep+7},
        {12000, 1.666, 13, 47, 556.0, 1.174, 0x1.63b464b3d6214p+7},
        {10000, 1.922, 14, 49, 628.0, 0.888, 0x1.8c54584bb8debp+7},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(SpeedAtRpm(c.rpm, c.primary, c.drive, c.driven, c.tire, c.gear), c.speed) << c.rpm;
        const double plain =
            c.rpm / c.primary / c.gear / (c.driven / c.drive) * c.tire * M_PI * 60 / 1000 / 1000;
        EXPECT_NE(plain, c.speed) << c.rpm;  // the case tells the two precisions apart
    }
}

}  // namespace
}  // namespace kgr
