#include "core/gearinginputs.h"

#include <limits>

#include "core/numbertext.h"

namespace kgr {

namespace {

// Engine speeds are typed in thousands and multiplied by 1000 in 32-bit arithmetic (pbLowK also
// less 1): a value whose product would leave that range counts as unparsable.
constexpr std::int32_t kMaxThousands = std::numeric_limits<std::int32_t>::max() / 1000;

}  // namespace

std::optional<std::int32_t> ParseThousands(std::string_view text) {
    const auto value = ParseInteger(text);
    if (!value || *value > kMaxThousands || *value < -kMaxThousands) return std::nullopt;
    return value;
}

TInputsParse ParseGearingInputs(const TGearingInputs& in, char separator) {
    TInputsParse out;
    auto& v = out.Values;
    int parsed = 0;  // fields parsed so far: the position of the one that fails
    const auto thousands = [&](const std::string& text, std::int32_t& to) {
        const auto value = ParseThousands(text);
        if (value) to = *value, ++parsed;
        return value.has_value();
    };
    const auto real = [&](const std::string& text, double& to) {
        const auto value = ParseFloat(text, separator);
        if (value) to = *value, ++parsed;
        return value.has_value();
    };
    bool ok = thousands(in.MaxRpm, v.MaxK) && thousands(in.PBLow, v.PBLowK) &&
              thousands(in.PBHigh, v.PBHighK) && real(in.Ratio1, v.Primary) && real(in.Ratio2drv, v.Drive) &&
              real(in.Ratio2drvn, v.Driven) && real(in.Tire, v.Tire);
    for (std::size_t g = 0; g < v.Gears.size(); ++g) ok = ok && real(in.RatioT[g], v.Gears[g]);
    if (!ok) out = {{}, parsed};
    return out;
}

}  // namespace kgr
