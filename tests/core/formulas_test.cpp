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

// An independent reading of the step list: long double intermediates, volatile doubles where a
// value is stored, so the compiler cannot keep excess precision across the stores.
double ReferenceSpeed(double rpm, double primary, double drive, double driven, double tire, double gear) {
    const long double pi = 3.14159265358979323851L;
    volatile double t1 = static_cast<long double>(rpm) / primary;
    volatile double t2 = gear == 0 ? 0.0 : static_cast<double>(static_cast<long double>(t1) / gear);
    volatile double t3 = static_cast<long double>(t2) / (static_cast<long double>(driven) / drive);
    volatile double v = static_cast<long double>(t3) * tire * pi * 60 / 1000 / 1000;
    return v;
}

double PlainDoubleSpeed(double rpm, double primary, double drive, double driven, double tire, double gear) {
    return rpm / primary / gear / (driven / drive) * tire * M_PI * 60 / 1000 / 1000;
}

TEST(Formulas, SpeedRoundsLikeExtendedPrecisionStoredAsDouble) {
    int differFromPlainDouble = 0;
    for (int k = 1; k <= 2000; ++k) {
        const double rpm = 1000.0 * (k % 37), primary = 1.5 + k * 0.013, tire = 500 + k * 0.37;
        const double gear = 0.6 + (k % 23) * 0.11, drive = 13 + k % 5, driven = 38 + k % 11;
        const double v = SpeedAtRpm(rpm, primary, drive, driven, tire, gear);
        ASSERT_EQ(v, ReferenceSpeed(rpm, primary, drive, driven, tire, gear)) << k;
        differFromPlainDouble += v != PlainDoubleSpeed(rpm, primary, drive, driven, tire, gear);
    }
    EXPECT_GT(differFromPlainDouble, 0);  // the sweep really tells the two precisions apart
}

}  // namespace
}  // namespace kgr
