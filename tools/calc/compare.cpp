#include "tools/calc/compare.h"

#include "core/formulas.h"
#include "tools/calc/change.h"

namespace kcalc {

namespace {

std::optional<TGearFigures> Figures(const kgr::TParsedInputs& in, int g, double kmPerUnit, double cruise) {
    const double gear = in.Gears[g - 1];
    if (gear == 0) return std::nullopt;
    const double topKmh = kgr::SpeedAtRpm(in.MaxK * 1000.0, in.Primary, in.Drive, in.Driven, in.Tire, gear);
    const double rpm = kgr::RpmAtSpeed(cruise * kmPerUnit, in.Primary, in.Drive, in.Driven, in.Tire, gear);
    // Formed in long double like the core's formulas, so 3 x 1.8 x 45 / 15 reads 16.2.
    const double overall =
        static_cast<double>(static_cast<long double>(in.Primary) * gear * in.Driven / in.Drive);
    return TGearFigures{overall, topKmh / kmPerUnit, rpm};
}

}  // namespace

TComparison Compare(const kgr::TParsedInputs& a, const kgr::TParsedInputs& b, double kmPerUnit,
                    double cruise) {
    TComparison out;
    for (int g = 1; g <= kgr::GearCount; ++g) {
        auto& gear = out.Gears[g - 1];
        gear.A = Figures(a, g, kmPerUnit, cruise);
        gear.B = Figures(b, g, kmPerUnit, cruise);
        if (gear.A && gear.B) {
            gear.TopSpeedChange = PercentChange(gear.A->TopSpeed, gear.B->TopSpeed);
            out.SpeedChange = gear.TopSpeedChange;
        }
    }
    return out;
}

}  // namespace kcalc
