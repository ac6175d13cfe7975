#include "core/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kgr {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int base) {
    int value = 99;
    if (IsDigit(c)) value = c - '0';
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Consumes a run of decimal digits from text[pos...] and appends them to out.
std::size_t TakeDigits(std::string_view text, std::size_t pos, std::string& out) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) out += text[pos++];
    return pos - start;
}

// The parts of a floating-point text, so it can be rewritten for std::from_chars (full stop, no "+").
struct TFloatSyntax {
    bool Negative = false;
    std::string IntDigits, FracDigits, ExpDigits;
    bool ExpNegative = false;
};

std::optional<TFloatSyntax> ScanFloat(std::string_view text, char separator) {
    TFloatSyntax syntax;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) syntax.Negative = text[pos++] == '-';
    pos += TakeDigits(text, pos, syntax.IntDigits);
    if (pos < text.size() && text[pos] == separator) pos += 1 + TakeDigits(text, pos + 1, syntax.FracDigits);
    if (syntax.IntDigits.empty() && syntax.FracDigits.empty()) return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            syntax.ExpNegative = text[pos++] == '-';
        if (TakeDigits(text, pos, syntax.ExpDigits) == 0) return std::nullopt;
        pos += syntax.ExpDigits.size();
    }
    if (pos != text.size()) return std::nullopt;
    return syntax;
}

std::string ForFromChars(const TFloatSyntax& s) {
    const auto orZero = [](const std::string& digits) { return digits.empty() ? std::string("0") : digits; };
    // Appended in place, not joined with operator+: GCC 12 -O3 warns falsely (-Wrestrict) on the latter.
    std::string text = s.Negative ? "-" : "";
    text.append(orZero(s.IntDigits)).append(".").append(orZero(s.FracDigits));
    text.append(s.ExpNegative ? "e-" : "e").append(orZero(s.ExpDigits));
    return text;
}

// Decimal exponent of the leading non-zero digit; only its sign matters (underflow or overflow).
bool IsBelowOne(const TFloatSyntax& s) {
    const std::string digits = s.IntDigits + s.FracDigits;
    const auto lead = digits.find_first_not_of('0');
    long long exponent = static_cast<long long>(s.IntDigits.size()) - 1 - static_cast<long long>(lead);
    long long written = 0;
    for (char c : s.ExpDigits) written = std::min(written * 10 + (c - '0'), 1'000'000'000LL);
    exponent += s.ExpNegative ? -written : written;
    return exponent < 0;
}

struct TIntegerSyntax {
    bool Negative = false;
    double Magnitude = 0;  // exact up to 2^53, which is all the 32-bit range needs
};

std::optional<TIntegerSyntax> ScanInteger(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) return std::nullopt;
    TIntegerSyntax syntax;
    if (text[pos] == '+' || text[pos] == '-') syntax.Negative = text[pos++] == '-';
    int base = 10;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        base = 16;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos == text.size()) return std::nullopt;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) return std::nullopt;
        syntax.Magnitude = syntax.Magnitude * base + digit;
    }
    return syntax;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    const auto syntax = ScanInteger(text);
    constexpr double kLimit = 2147483648.0;  // 2^31
    if (!syntax || syntax->Magnitude > kLimit) return std::nullopt;
    const double value = syntax->Negative ? -syntax->Magnitude : syntax->Magnitude;
    if (value >= kLimit) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<double> IntegerMagnitude(std::string_view text) {
    const auto syntax = ScanInteger(text);
    return syntax ? std::optional<double>(syntax->Magnitude) : std::nullopt;
}

std::optional<double> ParseFloat(std::string_view text, char decimalSeparator) {
    const auto syntax = ScanFloat(TrimBlanks(text), decimalSeparator);
    if (!syntax) return std::nullopt;
    const std::string normal = ForFromChars(*syntax);
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range && IsBelowOne(*syntax)) return syntax->Negative ? -0.0 : 0.0;
    if (error != std::errc{} || end != normal.data() + normal.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> FloatMagnitude(std::string_view text, char decimalSeparator) {
    if (!ScanFloat(TrimBlanks(text), decimalSeparator)) return std::nullopt;
    const auto value = ParseFloat(text, decimalSeparator);
    return value ? std::abs(*value) : std::numeric_limits<double>::infinity();
}

std::string FormatFixed(double value, int width, int decimals, char decimalSeparator) {
    decimals = std::clamp(decimals, 0, 40);
    std::string text(400 + decimals, '\0');
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    text.resize(result.ptr - text.data());
    // A value that rounds to zero is shown without a sign: "-0.0" would mean nothing in a table.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    if (const auto dot = text.find('.'); dot != std::string::npos) text[dot] = decimalSeparator;
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string FormatGeneral(double value, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view text(buffer, result.ptr - buffer);
    const bool negative = text.front() == '-';
    const auto ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos))
        if (IsDigit(c)) digits += c;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());
    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits.front();
        if (digits.size() > 1) out += decimalSeparator + digits.substr(1);
        return out + "E" + std::to_string(exponent);
    }
    if (exponent < 0) return out + "0" + decimalSeparator + std::string(-exponent - 1, '0') + digits;
    const std::size_t intCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intCount) return out + digits + std::string(intCount - digits.size(), '0');
    return out + digits.substr(0, intCount) + decimalSeparator + digits.substr(intCount);
}

}  // namespace kgr
