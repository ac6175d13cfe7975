#include "tools/calc/setup.h"

#include <algorithm>

#include "core/fullwidth.h"
#include "tools/calc/texts.h"

namespace kcalc {

// Full-width digits and signs, as a Japanese input method types them, read as the window reads them.
kgr::TGearingInputs ToInputs(const std::vector<std::string>& texts) {
    std::vector<std::string> half(texts.size());
    std::transform(texts.begin(), texts.end(), half.begin(),
                   [](const std::string& t) { return kgr::ToHalfWidth(t); });
    kgr::TGearingInputs in{half[0], half[1], half[2], half[3], half[4], half[5], half[6], {}};
    std::copy(half.begin() + 7, half.end(), in.RatioT.begin());
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
