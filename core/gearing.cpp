#include "core/gearing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/formulas.h"
#include "core/inputfields.h"
#include "core/numbertext.h"

namespace kgr {

namespace {

class TGearLines {
  public:
    explicit TGearLines(const TParsedInputs& in) : In(in) {}

    double Speed(double rpm, int g) const {
        return SpeedAtRpm(rpm, In.Primary, In.Drive, In.Driven, In.Tire, Gear(g));
    }
    double Rpm(double speed, int g) const {
        return RpmAtSpeed(speed, In.Primary, In.Drive, In.Driven, In.Tire, Gear(g));
    }
    double Gear(int g) const { return In.Gears[g - 1]; }
    double TopRpm() const { return In.MaxK * 1000; }

    // For a fixed gear every step of SpeedAtRpm maps its operand x to round(x op c) with the same
    // constant c for every rpm; rounding to nearest (to extended, and to double where a value is
    // stored) is monotone, so each step and their composition is monotone in rpm (rising or
    // falling with the sign of c). The speeds of a column over r = 0 ... maxK are therefore
    // bounded by those at r = 0 and r = maxK, and the largest speed of the table is found at its
    // first and last data row without visiting the others. An intermediate overflow shows at the
    // end of larger magnitude as well, so checking both ends for finiteness covers every cell.
    bool TableMaximum(double& maxSpeed) const {
        if (In.MaxK < 0) return true;
        for (int g = 1; g <= GearCount; ++g) {
            for (double rpm : {0.0, TopRpm()}) {
                const double s = Speed(rpm, g);
                if (!std::isfinite(s)) return false;
                if (s > maxSpeed) maxSpeed = s;
            }
        }
        return true;
    }

    std::vector<TPointXY> WholeRange(int g) const {
        if (Gear(g) == 0) return {{0, 0}, {0, 0}};
        return {{0, 0}, {Speed(TopRpm(), g), TopRpm()}};
    }

    // The part of gear g used when shifting up at the top of the power band.
    std::vector<TPointXY> UsedPart(int g) const {
        if (Gear(g) == 0) return {{0, 0}, {0, 0}};
        double r0 = 0;
        if (g > 1) {
            r0 = Rpm(Speed(In.PBHighK * 1000, g - 1), g);
            if (In.PBLowK * 1000 < r0) r0 = In.PBLowK * 1000;
        }
        const double r1 = (g == GearCount || Gear(g + 1) == 0) ? TopRpm() : In.PBHighK * 1000;
        return {{Speed(r0, g), r0}, {Speed(r1, g), r1}};
    }

  private:
    const TParsedInputs& In;
};

bool AllFinite(const std::vector<TPointXY>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const TPointXY& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// Fills MaxSpeed, the twelve lines and the power band; false when any value is not finite.
bool FillChart(TGearingResult& result, const TParsedInputs& in) {
    const TGearLines lines(in);
    if (!lines.TableMaximum(result.MaxSpeed)) return false;
    for (int g = 1; g <= GearCount; ++g) {
        result.Points[WholeRangeLineIndex(g)] = lines.WholeRange(g);
        result.Points[GearLineIndex(g)] = lines.UsedPart(g);
    }
    result.PowerBand = TPowerBand{0, in.PBLowK * 1000 - 1.0, result.MaxSpeed, in.PBHighK * 1000.0};
    return std::all_of(result.Points.begin(), result.Points.end(), AllFinite);
}

}  // namespace

std::string TGearingResult::Cell(int col, int row, double kmPerUnit) const {
    if (col < 0 || col >= kColCount || row < 0 || row >= RowCount) return {};
    if (row == 0) return col == 0 ? std::string() : GearNames[col - 1];
    const std::int64_t rpm = std::int64_t{row - 1} * 1000;
    if (col == 0) return std::to_string(rpm) + "rpm";
    if (!Drawn) return {};
    const double speed =
        SpeedAtRpm(static_cast<double>(rpm), Primary, Drive, Driven, Tire, Gears[col - 1]) / kmPerUnit;
    return FormatFixed(speed, 4, 1, DecimalSeparator);
}

TGearingResult ComputeGearing(const TGearingInputs& inputs, char decimalSeparator) {
    TGearingResult result;
    result.DecimalSeparator = decimalSeparator;
    const auto parse = ParseGearingInputs(inputs, decimalSeparator);
    const auto parsed = parse.Ok() ? &parse.Values : nullptr;
    if (parsed) {
        result.MaxK = parsed->MaxK;
        result.Primary = parsed->Primary;
        result.Drive = parsed->Drive;
        result.Driven = parsed->Driven;
        result.Tire = parsed->Tire;
        result.Gears = parsed->Gears;
        result.Drawn = parsed->Primary != 0 && parsed->Drive != 0 && parsed->Driven != 0;
    }
    result.RowCount = std::max(result.MaxK + 2, 1);
    if (!result.Drawn) return result;
    // A result beyond the double range must never reach the table or the chart: draw nothing.
    if (!FillChart(result, *parsed)) {
        result.Drawn = false;
        result.MaxSpeed = 0;
        result.Points = {};
        result.PowerBand.reset();
    }
    return result;
}

}  // namespace kgr
