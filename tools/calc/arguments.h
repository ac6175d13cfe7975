// Command-line scanning shared by the forms: options anywhere, each "--name VALUE" or
// "--name=VALUE"; anything not starting with "--" (also "-1") is an input; a lone "--" starts the
// next group of inputs.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kcalc {

// One option, what to do with its value (Apply returns false for a bad value) and what it expects.
struct TOptionSpec {
    std::string_view Name;
    std::function<bool(std::string_view)> Apply;
    const char* Expects;
};

// An Apply that stores what `parse` (text -> optional value) makes of the value.
template <class T, class Parse>
std::function<bool(std::string_view)> Into(T& target, Parse parse) {
    return [&target, parse](std::string_view text) {
        const auto value = parse(text);
        if (value) target = *value;
        return value.has_value();
    };
}

struct TScan {
    std::vector<std::vector<std::string>> Groups;  // inputs, split at each "--"
    std::string Error;                             // why the arguments are no valid call; empty if fine
};

// Where the form's name may stand: the first input before any "--"; args.size() if there is none.
std::size_t FirstInput(const std::vector<std::string>& args);

TScan ScanArguments(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs);

// Why a scan is not the one group of 13 inputs of a single setup, or empty.
std::string SingleSetupError(const TScan& scan);

// Units of speed: km/h, or miles per hour.
struct TUnits {
    static constexpr double KmPerMile = 1.609344;
    double KmPerUnit = 1;
    bool Mph = false;
};

std::optional<TUnits> ParseUnits(std::string_view text);

// "A:B" with min <= A <= B <= max, decimal digits only.
std::optional<std::pair<long long, long long>> ParseRange(std::string_view text, long long min,
                                                          long long max);

// A decimal integer of at least min.
std::optional<long long> ParseCount(std::string_view text, long long min);

// A finite number written with a full stop.
std::optional<double> ParseNumber(std::string_view text);

// Such a number above 0.
std::optional<double> ParsePositive(std::string_view text);

// The option specs every form takes: --decimal-separator.
TOptionSpec SeparatorOption(char& separator);

}  // namespace kcalc
