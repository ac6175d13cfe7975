#include <cmath>
#include <sstream>

#include "core/inputfields.h"
#include "core/localeseparator.h"
#include "tools/calc/arguments.h"
#include "tools/calc/forms.h"
#include "tools/calc/json.h"
#include "tools/calc/setup.h"
#include "tools/calc/sprockets.h"
#include "tools/calc/texts.h"

namespace kcalc {

namespace {

struct TSprocketOptions {
    char Separator = '.';
    std::pair<long long, long long> Front{12, 20};
    std::pair<long long, long long> Rear{36, 54};
    std::optional<long long> Gear;
    std::optional<double> TopSpeed;
    std::optional<double> Change;
    long long Count = 10;
    TUnits Units;
    std::optional<double> Pitch;
    std::optional<double> Centre;
};

std::optional<double> ParseChange(std::string_view text) {
    const auto value = ParseNumber(text);  // -100 % or less would ask for no speed at all
    if (!value || *value <= -100) return std::nullopt;
    return value;
}

std::vector<TOptionSpec> SprocketSpecs(TSprocketOptions& o) {
    const auto teeth = [](std::string_view v) { return ParseRange(v, 1, kMaxTeeth); };
    const auto gear = [](std::string_view v) {
        const auto g = ParseCount(v, 1);
        return g && *g <= kgr::GearCount ? g : std::nullopt;
    };
    return {
        SeparatorOption(o.Separator),
        {"--front", Into(o.Front, teeth), Texts::ExpectTeeth},
        {"--rear", Into(o.Rear, teeth), Texts::ExpectTeeth},
        {"--gear", Into(o.Gear, gear), Texts::ExpectGear},
        {"--top-speed", Into(o.TopSpeed, ParsePositive), Texts::ExpectPositive},
        {"--change", Into(o.Change, ParseChange), Texts::ExpectChange},
        {"--count", Into(o.Count, [](std::string_view v) { return ParseCount(v, 1); }), Texts::ExpectCount},
        {"--units", Into(o.Units, ParseUnits), Texts::ExpectUnits},
        {"--pitch", Into(o.Pitch, ParsePositive), Texts::ExpectPositive},
        {"--centre", Into(o.Centre, ParsePositive), Texts::ExpectPositive}};
}

// Why the options cannot make a search, or empty.
std::string OptionConflict(const TSprocketOptions& o) {
    if (o.TopSpeed.has_value() == o.Change.has_value()) return Texts::SprocketTarget;
    if (o.Pitch.has_value() != o.Centre.has_value()) return Texts::ChainNeedsBoth;
    return {};
}

// The search in a gear the setup has; a --change target is taken against its current sprockets.
TSprocketSearch MakeSearch(const TSprocketOptions& o, const kgr::TParsedInputs& setup, int gear) {
    TSprocketSearch s;
    s.Setup = setup;
    s.Gear = gear;
    s.Front = {static_cast<int>(o.Front.first), static_cast<int>(o.Front.second)};
    s.Rear = {static_cast<int>(o.Rear.first), static_cast<int>(o.Rear.second)};
    s.KmPerUnit = o.Units.KmPerUnit;
    s.Count = o.Count;
    if (o.Pitch) s.Chain = TChain{*o.Pitch, *o.Centre};
    s.TargetSpeed = o.TopSpeed ? *o.TopSpeed : TopSpeed(s, setup.Drive, setup.Driven) * (1 + *o.Change / 100);
    return s;
}

std::string CandidatesJson(const std::vector<TCandidate>& candidates) {
    std::ostringstream out;
    out << "{\"Candidates\": [";
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const auto& c = candidates[i];
        out << (i ? ",\n  " : "\n  ") << "{\"Front\": " << c.Front << ", \"Rear\": " << c.Rear
            << ", \"TopSpeed\": " << JsonShortest(c.TopSpeed) << ", \"Change\": " << JsonShortest(c.Change);
        if (c.Links) out << ", \"Links\": " << JsonShortest(c.Links);
        out << "}";
    }
    out << "\n]}\n";
    return out.str();
}

}  // namespace

TOutcome RunSprocketsForm(const std::vector<std::string>& args) {
    TSprocketOptions options;
    options.Separator = kgr::LocaleDecimalSeparator();
    const auto scan = ScanArguments(args, SprocketSpecs(options));
    std::string error = scan.Error;
    if (error.empty()) error = OptionConflict(options);
    if (error.empty()) error = SingleSetupError(scan);
    if (!error.empty()) return {TOutcome::UsageError, {}, error};
    const TSetup setup = ParseSetup(scan.Groups[0], options.Separator);
    if (!setup.Error.empty()) return {TOutcome::InputFailed, {}, setup.Error};
    const int gear = static_cast<int>(options.Gear.value_or(TopGear(setup.Values)));
    if (gear == 0) return {TOutcome::InputFailed, {}, Texts::NoGear};
    if (setup.Values.Gears[gear - 1] == 0)
        return {TOutcome::InputFailed,
                {},
                Texts::GearIsZero + std::string(kgr::InputFields[kgr::ifRatioT1 + gear - 1].Name)};
    const TSprocketSearch search = MakeSearch(options, setup.Values, gear);
    // A change of no speed, or of one beyond the double range, leaves no target to rank against.
    if (!std::isfinite(search.TargetSpeed) || search.TargetSpeed == 0)
        return {TOutcome::InputFailed, {}, Texts::ChangeNeedsSpeed};
    return {TOutcome::Done, CandidatesJson(FindSprockets(search)), {}};
}

}  // namespace kcalc
