#include "tools/calc/setup.h"

#include <algorithm>
#include <cmath>

#include "core/inputfields.h"
#include "core/numbertext.h"
#include "tools/calc/echo.h"
#include "tools/calc/texts.h"

namespace kcalc {

kgr::TGearingInputs ToInputs(const std::vector<std::string>& texts) {
    kgr::TGearingInputs in{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], {}};
    std::copy(texts.begin() + 7, texts.end(), in.RatioT.begin());
    return in;
}

namespace {

// MAXK, PBLOW and PBHIGH take whole thousands of rpm that stay within 32 bits once multiplied by 1000.
constexpr double kMaxThousands = 2147483;

// Names the rule a number broke where it is one (a fraction for MAXK, or a number too large).
std::string NotANumber(const std::vector<std::string>& texts, int field, char separator) {
    std::string message =
        std::string(Texts::NotANumber) + Texts::FieldNames[field] + " \"" + Echo(texts[field]) + "\"";
    const auto value = kgr::ParseFloat(texts[field], separator);
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
    const double* const divisors[] = {&v.Primary, &v.Drive, &v.Driven};
    for (int i = 0; i < 3; ++i)
        if (*divisors[i] == 0) return {{}, std::string(Texts::ZeroDriveTrain) + Texts::FieldNames[3 + i]};
    return {v, {}};
}

int TopGear(const kgr::TParsedInputs& values) {
    for (int g = 6; g >= 1; --g)
        if (values.Gears[g - 1] != 0) return g;
    return 0;
}

}  // namespace kcalc
