#include "tools/calc/setup.h"

#include <utility>

#include "core/inputfields.h"
#include "tools/calc/texts.h"

namespace kcalc {

namespace {

std::string NotANumber(const std::vector<std::string>& texts, int field) {
    return std::string(Texts::NotANumber) + kgr::InputFields[field].Name + " \"" + texts[field] + "\"";
}

}  // namespace

std::string ParseError(const std::vector<std::string>& texts, char separator) {
    const auto parse = kgr::ParseGearingInputs(kgr::ToGearingInputs(texts), separator);
    return parse.Ok() ? std::string() : NotANumber(texts, parse.FailedField);
}

TSetup ParseSetup(const std::vector<std::string>& texts, char separator) {
    const auto parse = kgr::ParseGearingInputs(kgr::ToGearingInputs(texts), separator);
    if (!parse.Ok()) return {{}, NotANumber(texts, parse.FailedField)};
    const auto& v = parse.Values;
    // Primary ratio and sprockets divide; the window draws nothing with any of them at 0.
    const std::pair<double, kgr::TInputFieldId> divisors[] = {
        {v.Primary, kgr::ifRatio1}, {v.Drive, kgr::ifRatio2drv}, {v.Driven, kgr::ifRatio2drvn}};
    for (const auto& [value, field] : divisors)
        if (value == 0) return {{}, std::string(Texts::ZeroDriveTrain) + kgr::InputFields[field].Name};
    return {v, {}};
}

int TopGear(const kgr::TParsedInputs& values) {
    for (int g = kgr::GearCount; g >= 1; --g)
        if (values.Gears[g - 1] != 0) return g;
    return 0;
}

}  // namespace kcalc
