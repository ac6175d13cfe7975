#include "core/inputfields.h"

#include <algorithm>

#include "core/numbertext.h"

namespace kgr {

TGearingInputs ToGearingInputs(std::span<const std::string> texts) {
    TInputTexts t;
    std::copy_n(texts.begin(), std::min(texts.size(), t.size()), t.begin());
    TGearingInputs in{t[ifMaxRpm],    t[ifPBLow],      t[ifPBHigh], t[ifRatio1],
                      t[ifRatio2drv], t[ifRatio2drvn], t[ifTire],   {}};
    std::copy(t.begin() + ifRatioT1, t.end(), in.RatioT.begin());
    return in;
}

TInputTexts ToInputTexts(const TGearingInputs& in) {
    TInputTexts t{in.MaxRpm, in.PBLow, in.PBHigh, in.Ratio1, in.Ratio2drv, in.Ratio2drvn, in.Tire};
    std::copy(in.RatioT.begin(), in.RatioT.end(), t.begin() + ifRatioT1);
    return t;
}

std::optional<double> ParseInputField(int field, const std::string& text, char separator) {
    if (InputFields[static_cast<std::size_t>(field)].Kind == TFieldKind::fkNumber)
        return ParseFloat(text, separator);
    const auto value = ParseThousands(text);
    return value ? std::optional<double>(*value) : std::nullopt;
}

TFieldFault CheckInputField(int field, const std::string& text, char separator) {
    const auto value = ParseInputField(field, text, separator);
    if (!value)
        return InputFields[static_cast<std::size_t>(field)].Kind == TFieldKind::fkThousands
                   ? TFieldFault::ffNotThousands
                   : TFieldFault::ffNotNumber;
    const bool divides = field == ifRatio1 || field == ifRatio2drv || field == ifRatio2drvn;
    return divides && *value == 0 ? TFieldFault::ffZero : TFieldFault::ffNone;
}

}  // namespace kgr
