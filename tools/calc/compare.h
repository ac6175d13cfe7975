// Two drive trains side by side: per gear the overall ratio, the top speed and the rpm at a
// cruising speed, and how much the top speed changes from A to B.
#pragma once

#include <array>
#include <optional>

#include "core/gearinginputs.h"

namespace kcalc {

struct TGearFigures {
    double Overall = 0;      // primary x gear x driven / drive
    double TopSpeed = 0;     // at maxK, in the chosen unit
    double RpmAtCruise = 0;  // at the cruising speed
};

struct TGearComparison {
    std::optional<TGearFigures> A;  // none where the gear is 0
    std::optional<TGearFigures> B;
    // (B / A - 1) x 100, % ; only where both have the gear and both top speeds are finite
    std::optional<double> TopSpeedChange;
};

struct TComparison {
    std::array<TGearComparison, kgr::GearCount> Gears;
    std::optional<double> SpeedChange;  // the change in the highest gear both have
};

// Inputs must have non-zero primary ratio and sprockets; speeds are km/h divided by kmPerUnit,
// cruise is in that unit.
TComparison Compare(const kgr::TParsedInputs& a, const kgr::TParsedInputs& b, double kmPerUnit,
                    double cruise);

}  // namespace kcalc
