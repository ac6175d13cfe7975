#include "tools/calc/setup.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/fullwidth.h"
#include "core/inputfields.h"
#include "core/numbertext.h"
#include "tools/calc/echo.h"
#include "tools/calc/texts.h"

namespace kcalc {

kgr::TGearingInputs ToInputs(const std::vector<std::string>& texts) {
    std::vector<std::string> half(texts.size());
    std::transform(texts.begin(), texts.end(), half.begin(),
                   [](const std::string& t) { return kgr::ToHalfWidth(t); });
    return kgr::ToGearingInputs(half);
}

namespace {

// MAXK, PBLOW and PBHIGH take whole thousands of rpm that stay within 32 bits once multiplied by 1000.
constexpr double kMaxThousands = 2147483;

// Names the rule a number broke where it is one (a fraction for MAXK, or a number too large).
std::string NotANumber(const std::vector<std::string>& texts, int field, char separator) {
    std::string message =
        std::string(Texts::NotANumber) + kgr::InputFields[field].Name + " \"" + Echo(texts[field]) + "\"";
    const auto value = kgr::ParseFloat(kgr::ToHalfWidth(texts[field]), separator);
    if (!value) return message;
    if (std::abs(*value) > kMaxThousands && std::floor(*value) == *value)
        return message + Texts::NumberTooLarge;
    if (kgr::InputFields[field].Kind == kgr::TFieldKind::fkThousands) return message + Texts::WholeThousands;
    return message;
}

}  // namespace

std::string ParseError(const std::vector<std::string>& texts, char separator) {
    const auto parse = kgr::ParseGearingInputs(ToInputs(texts), separator);
    return parse.Ok() ? std::string() : NotANumber(texts, parse.FailedField, separator);
}

TSetup ParseSetup(const std::vector<std::string>& texts, char separator) {
    const auto parse = kgr::ParseGearingInputs(ToInputs(texts), separator);
    if (!parse.Ok()) return {{}, NotANumber(texts, parse.FailedField, separator)};
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
