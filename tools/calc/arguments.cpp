#include "tools/calc/arguments.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/gearinginputs.h"
#include "core/numbertext.h"
#include "tools/calc/echo.h"
#include "tools/calc/texts.h"

namespace kcalc {

namespace {

bool IsOption(const std::string& arg) {
    return arg.size() > 2 && arg.rfind("--", 0) == 0;
}

// Whether a part of `value` between colons is a number too large for the option: one beyond the
// long long range, which no whole-number option takes, and a failing decimal one that large is
// beyond the double range. Negative numbers are below every range instead.
bool HasTooLargeNumber(std::string_view value) {
    for (std::size_t start = 0; start <= value.size();) {
        const auto end = std::min(value.find(':', start), value.size());
        const auto part = value.substr(start, end - start);
        constexpr auto kLargest = static_cast<double>(std::numeric_limits<long long>::max());
        if (!part.empty() && part[0] != '-' && kgr::FloatMagnitude(part, '.').value_or(0) >= kLargest)
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::size_t FirstInput(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") return args.size();
        if (!IsOption(args[i])) return i;
        if (args[i].find('=') == std::string::npos) ++i;  // every option takes a value
    }
    return args.size();
}

TScan ScanArguments(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs) {
    TScan scan;
    scan.Groups.emplace_back();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            scan.Groups.emplace_back();
            continue;
        }
        if (!IsOption(arg)) {
            scan.Groups.back().push_back(arg);
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto spec =
            std::find_if(specs.begin(), specs.end(), [&](const auto& s) { return s.Name == name; });
        if (spec == specs.end()) return {{}, Texts::UnknownOption + Echo(name)};
        if (equals == std::string::npos && i + 1 >= args.size()) return {{}, Texts::MissingValue + name};
        const std::string value = equals == std::string::npos ? args[++i] : arg.substr(equals + 1);
        if (!spec->Apply(value))
            return {{},
                    Texts::BadValue + name + ": " + Echo(value) +
                        (HasTooLargeNumber(value) ? Texts::TooLargeExpects : Texts::Expects) + spec->Expects +
                        ")"};
    }
    return scan;
}

std::string SingleSetupError(const TScan& scan) {
    if (scan.Groups.size() > 1) return Texts::StrayDashes;
    const auto count = scan.Groups[0].size();
    return count == kgr::GearingInputCount ? std::string() : Texts::InputCount + std::to_string(count);
}

std::optional<TUnits> ParseUnits(std::string_view text) {
    if (text == "kmh") return TUnits{};
    if (text == "mph") return TUnits{TUnits::KmPerMile, true};
    return std::nullopt;
}

namespace {

std::optional<long long> ParseWhole(std::string_view text) {
    long long value = 0;
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::pair<long long, long long>> ParseRange(std::string_view text, long long min,
                                                          long long max) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto first = ParseWhole(text.substr(0, colon));
    const auto last = ParseWhole(text.substr(colon + 1));
    if (!first || !last || *first < min || *last < *first || *last > max) return std::nullopt;
    return std::make_pair(*first, *last);
}

std::optional<long long> ParseCount(std::string_view text, long long min) {
    const auto value = ParseWhole(text);
    if (!value || *value < min) return std::nullopt;
    return value;
}

std::optional<double> ParseNumber(std::string_view text) {
    return kgr::ParseFloat(text, '.');
}

std::optional<double> ParsePositive(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value || *value <= 0) return std::nullopt;
    return value;
}

namespace {

// A separator that is part of a number's own syntax would change what the inputs read as; one that
// is blank, a control character or a double quote would break the fields of csv and tsv lines.
// Only ASCII: a lone byte of a multi-byte character would be no text at all in csv, tsv and JSON.
bool CanSeparateDecimals(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > ' ' && byte < 0x7f &&
           std::string_view("0123456789+-eE\"").find(c) == std::string_view::npos;
}

}  // namespace

TOptionSpec SeparatorOption(char& separator) {
    return {"--decimal-separator",
            [&separator](std::string_view value) {
                if (value.size() != 1 || !CanSeparateDecimals(value[0])) return false;
                separator = value[0];
                return true;
            },
            Texts::ExpectSeparator};
}

}  // namespace kcalc
