#include <sstream>

#include "core/localeseparator.h"
#include "tools/calc/arguments.h"
#include "tools/calc/compare.h"
#include "tools/calc/forms.h"
#include "tools/calc/json.h"
#include "tools/calc/setup.h"
#include "tools/calc/texts.h"

namespace kcalc {

namespace {

struct TCompareOptions {
    char Separator = '.';
    TUnits Units;
    std::optional<double> Cruise;
};

std::string FiguresJson(const std::optional<TGearFigures>& f) {
    if (!f) return "null";
    return "{\"Overall\": " + JsonShortest(f->Overall) + ", \"TopSpeed\": " + JsonShortest(f->TopSpeed) +
           ", \"RpmAtCruise\": " + JsonShortest(f->RpmAtCruise) + "}";
}

std::string ComparisonJson(const TComparison& c, const TUnits& units, double cruise) {
    std::ostringstream out;
    out << "{\"Units\": \"" << (units.Mph ? "mph" : "km/h") << "\", \"Cruise\": " << JsonShortest(cruise)
        << ",\n\"Gears\": [";
    for (int g = 1; g <= kgr::GearCount; ++g) {
        const auto& gear = c.Gears[g - 1];
        out << (g > 1 ? ",\n" : "\n") << "  {\"Gear\": " << g << ", \"A\": " << FiguresJson(gear.A)
            << ", \"B\": " << FiguresJson(gear.B)
            << ", \"TopSpeedChange\": " << JsonShortest(gear.TopSpeedChange) << "}";
    }
    out << "\n],\n\"SpeedChange\": " << JsonShortest(c.SpeedChange) << "}\n";
    return out.str();
}

}  // namespace

TOutcome RunCompareForm(const std::vector<std::string>& args) {
    TCompareOptions options;
    options.Separator = kgr::LocaleDecimalSeparator();
    const auto scan =
        ScanArguments(args, {SeparatorOption(options.Separator),
                             {"--units", Into(options.Units, ParseUnits), Texts::ExpectUnits},
                             {"--cruise", Into(options.Cruise, ParsePositive), Texts::ExpectPositive}});
    if (!scan.Error.empty()) return {TOutcome::UsageError, {}, scan.Error};
    if (scan.Groups.size() != 2 || scan.Groups[0].size() != kgr::GearingInputCount ||
        scan.Groups[1].size() != kgr::GearingInputCount)
        return {TOutcome::UsageError, {}, Texts::CompareGroups};
    const TSetup a = ParseSetup(scan.Groups[0], options.Separator);
    const TSetup b = ParseSetup(scan.Groups[1], options.Separator);
    for (const auto& [setup, name] : {std::pair{&a, "A: "}, std::pair{&b, "B: "}})
        if (!setup->Error.empty())
            return {TOutcome::InputFailed, {}, Texts::SetupPrefix + (name + setup->Error)};
    const double cruise = options.Cruise.value_or(100);
    return {
        TOutcome::Done,
        ComparisonJson(Compare(a.Values, b.Values, options.Units.KmPerUnit, cruise), options.Units, cruise),
        {}};
}

}  // namespace kcalc
