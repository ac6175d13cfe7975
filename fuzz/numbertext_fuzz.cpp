// Number text in both directions: whatever parses is a finite value, and every finite value (parsed
// from the input or taken from its raw bits) is written in each output format as text that parses
// back to it. The one accepted exception: a value within about 1e-15 of the largest double is
// written in the 15-digit general format as a number just beyond the double range.
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "core/numbertext.h"
#include "fuzz/fuzzcheck.h"

namespace {

using kgr::fuzz::Require;

constexpr double Largest = std::numeric_limits<double>::max();

void CheckFormats(double value, char separator) {
    const auto general = kgr::ParseFloat(kgr::FormatGeneral(value, separator), separator);
    if (general) {
        // 15 significant digits: at most half a unit of the 15th digit away.
        Require(std::fabs(*general - value) <= std::fabs(value) * 5.2e-15, "general format keeps 15 digits");
    } else {
        Require(std::fabs(value) > Largest * (1 - 1e-15),
                "general format parses back (but next to the limit)");
    }
    for (const int decimals : {1, 3}) {
        const auto fixed = kgr::ParseFloat(kgr::FormatFixed(value, 4, decimals, separator), separator);
        Require(fixed.has_value(), "fixed format parses back");
        const double unit = std::pow(10.0, -decimals);
        Require(std::fabs(*fixed - value) <= unit / 2 + std::fabs(value) * 1e-15,
                "fixed format rounds correctly");
    }
}

void CheckText(std::string_view text, char separator) {
    if (const auto integer = kgr::ParseInteger(text)) {
        Require(kgr::ParseInteger(std::to_string(*integer)) == integer, "an integer round-trips");
        Require(kgr::ParseFloat(std::to_string(*integer), separator) == double(*integer),
                "an integer is a number");
    }
    if (const auto number = kgr::ParseFloat(text, separator)) {
        Require(std::isfinite(*number), "a parsed number is finite");
        CheckFormats(*number, separator);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = kgr::fuzz::AsText(data, size);
    CheckText(text, '.');
    CheckText(text, ',');
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) CheckFormats(value, text.back() == ',' ? ',' : '.');
    }
    return 0;
}
