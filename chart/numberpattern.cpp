#include "chart/numberpattern.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// The parts of a pattern that decide how a number is written.
struct PatternLayout {
    std::string Prefix;
    std::string Suffix;
    int MinIntegerDigits = 0;
    int MinDecimals = 0;
    int MaxDecimals = 0;
    bool Grouping = false;
};

bool IsPatternElement(char c) {
    return c == '0' || c == '#' || c == ',' || c == '.';
}

PatternLayout ParsePattern(const std::string& pattern) {
    PatternLayout layout;
    const auto first = pattern.find_first_of("0#,.");
    if (first == std::string::npos) {
        layout.Prefix = pattern;
        return layout;
    }
    auto last = first;
    while (last < pattern.size() && IsPatternElement(pattern[last])) ++last;
    layout.Prefix = pattern.substr(0, first);
    layout.Suffix = pattern.substr(last);
    bool inDecimals = false;
    for (auto i = first; i < last; ++i) {
        const char c = pattern[i];
        if (c == '.') {
            inDecimals = true;
        } else if (c == ',') {
            layout.Grouping = layout.Grouping || !inDecimals;
        } else if (inDecimals) {
            ++layout.MaxDecimals;
            if (c == '0') layout.MinDecimals = layout.MaxDecimals;
        } else if (c == '0') {
            ++layout.MinIntegerDigits;
        }
    }
    return layout;
}

// The magnitude written in fixed notation with the given decimals, correctly rounded. Axis labels
// are written on every paint, so the usual few decimals are written on the stack.
class FixedDigits {
  public:
    FixedDigits(double magnitude, int decimals) {
        const size_t room = static_cast<size_t>(decimals) + 320;
        char* first = local_.data();
        if (room > local_.size()) {
            heap_.resize(room);
            first = heap_.data();
        }
        const auto result = std::to_chars(first, first + room, magnitude, std::chars_format::fixed, decimals);
        text_ = std::string_view(first, static_cast<size_t>(result.ptr - first));
    }
    FixedDigits(const FixedDigits&) = delete;
    FixedDigits& operator=(const FixedDigits&) = delete;
    std::string_view Text() const { return text_; }

  private:
    std::array<char, 400> local_;
    std::string heap_;
    std::string_view text_;
};

std::string Grouped(const std::string& digits, const std::string& separator) {
    std::string out;
    const auto n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

const TNumberSeparators& LocaleNumberSeparators() {
    // Every axis label asks: the locale's texts are converted again only when the locale changes.
    thread_local QLocale cachedLocale;
    thread_local TNumberSeparators cached{cachedLocale.groupSeparator().toStdString(),
                                          cachedLocale.decimalPoint().toStdString()};
    const QLocale locale;
    if (locale != cachedLocale) {
        cachedLocale = locale;
        cached = {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
    }
    return cached;
}

std::string FormatNumberPattern(double value, const std::string& pattern,
                                const TNumberSeparators& separators) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    const PatternLayout layout = ParsePattern(pattern);
    const FixedDigits digits(std::fabs(value), layout.MaxDecimals);
    const std::string_view fixed = digits.Text();
    const auto point = fixed.find('.');
    std::string integer(fixed.substr(0, point));
    std::string decimals(point == std::string_view::npos ? std::string_view() : fixed.substr(point + 1));
    while (static_cast<int>(decimals.size()) > layout.MinDecimals && decimals.back() == '0')
        decimals.pop_back();
    const bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                        decimals.find_first_not_of('0') == std::string::npos;
    const auto significant = std::min(integer.find_first_not_of('0'), integer.size());
    integer.erase(
        0, std::min(significant, integer.size() - std::min<size_t>(integer.size(), layout.MinIntegerDigits)));
    if (static_cast<int>(integer.size()) < layout.MinIntegerDigits)
        integer = std::string(static_cast<size_t>(layout.MinIntegerDigits) - integer.size(), '0') + integer;
    if (integer.empty() && decimals.empty()) integer.push_back('0');
    std::string out = layout.Prefix;
    if (value < 0 && !isZero) out += '-';
    out += layout.Grouping ? Grouped(integer, separators.Thousands) : integer;
    if (!decimals.empty()) out += separators.Decimal + decimals;
    return out + layout.Suffix;
}
