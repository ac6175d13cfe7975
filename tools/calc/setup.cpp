#include "tools/calc/setup.h"

#include <algorithm>

#include "tools/calc/texts.h"

namespace kcalc {

kgr::TGearingInputs ToInputs(const std::vector<std::string>& texts) {
    kgr::TGearingInputs in{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], {}};
    std::copy(texts.begin() + 7, texts.end(), in.RatioT.begin());
    return in;
}

namespace {

std::string NotANumber(const std::vector<std::string>& texts, int field) {
    return std::string(Texts::NotANumber) + Texts::FieldNames[field] + " \"" + texts[field] + "\"";
}

}  // namespace

std::string ParseError(const std::vector<std::string>& texts, char separator) {
    const auto parse = kgr::ParseGearingInputs(ToInputs(texts), separator);
    return parse.Ok() ? std::string() : NotANumber(texts, parse.FailedField);
}

TSetup ParseSetup(const std::vector<std::string>& texts, char separator) {
    const auto parse = kgr::ParseGearingInputs(ToInputs(texts), separator);
    if (!parse.Ok()) return {{}, NotANumber(texts, parse.FailedField)};
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
