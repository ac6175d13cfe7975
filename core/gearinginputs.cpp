#include "core/gearinginputs.h"

#include <algorithm>

#include "core/inputfields.h"
#include "core/numbertext.h"

namespace kgr {

std::optional<std::int32_t> ParseThousands(std::string_view text) {
    const auto value = ParseInteger(text);
    if (!value || *value > MaxThousands || *value < -MaxThousands) return std::nullopt;
    return value;
}

TInputsParse ParseGearingInputs(const TGearingInputs& in, char separator) {
    const TInputTexts texts = ToInputTexts(in);
    std::array<double, GearingInputCount> v{};
    for (int i = 0; i < GearingInputCount; ++i) {
        const auto value = ParseInputField(i, texts[i], separator);
        if (!value) return {{}, i};
        v[i] = *value;
    }
    // Engine speeds were checked to be whole numbers within 32 bits.
    TInputsParse out{
        {static_cast<std::int32_t>(v[ifMaxRpm]), static_cast<std::int32_t>(v[ifPBLow]),
         static_cast<std::int32_t>(v[ifPBHigh]), v[ifRatio1], v[ifRatio2drv], v[ifRatio2drvn], v[ifTire]},
        -1};
    std::copy(v.begin() + ifRatioT1, v.end(), out.Values.Gears.begin());
    return out;
}

}  // namespace kgr
