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

// Whether the field's text is a number, in any syntax it could be meant in, beyond what the field
// takes: thousands of rpm beyond 32 bits once multiplied by 1000, other numbers beyond the double range.
bool IsTooLarge(const kgr::TInputField& field, const std::string& text, char separator) {
    const double floatSize = kgr::FloatMagnitude(text, separator).value_or(0);
    if (field.Kind == kgr::TFieldKind::fkNumber) return std::isinf(floatSize);
    return std::max(kgr::IntegerMagnitude(text).value_or(0), floatSize) > kgr::MaxThousands;
}

// Names the rule a number broke where it is one (a number too large, or a fraction for MAXK).
std::string NotANumber(const std::vector<std::string>& texts, int field, char separator) {
    const kgr::TInputField& input = kgr::InputFields[field];
    std::string message = std::string(Texts::NotANumber) + input.Name + " \"" + Echo(texts[field]) + "\"";
    const std::string text = kgr::ToHalfWidth(texts[field]);
    if (IsTooLarge(input, text, separator)) return message + Texts::NumberTooLarge;
    if (input.Kind == kgr::TFieldKind::fkThousands && kgr::ParseFloat(text, separator))
        return message + Texts::WholeThousands;
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
