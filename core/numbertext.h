// Numbers as text: the integer and floating-point syntax of input fields and catalogs, and the
// three output formats. The decimal separator is always passed in: the core has no locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kgr {

// Leading blanks (spaces), optional sign, decimal digits or hex digits after "$", "x" or "0x" (any
// case); nothing may follow; the signed value must lie in -2147483648 ... 2147483647 in either base
// ("$FFFFFFFF" fails rather than wrapping to -1). Empty text fails.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// Blanks (spaces) around, optional sign, digits with at most one decimal separator (at least one
// digit in all), optional exponent ("E"/"e", optional sign, at least one digit). No "nan"/"inf".
// Empty text fails. Magnitudes beyond the double range fail; ones too small for it give zero.
std::optional<double> ParseFloat(std::string_view text, char decimalSeparator);

// The magnitude of a text in ParseInteger's or ParseFloat's syntax whatever its size (infinity
// beyond the double range), so that a number too large can be told from no number; nullopt for a
// text in neither syntax.
std::optional<double> IntegerMagnitude(std::string_view text);
std::optional<double> FloatMagnitude(std::string_view text, char decimalSeparator);

// printf-like fixed notation: at least `width` characters (blank padded on the left) and exactly
// `decimals` decimals: FormatFixed(v, 4, 1, sep) is "%4.1f", FormatFixed(v, 3, 3, sep) is "%3.3f".
// Correctly rounded from the binary value; a result that rounds to zero carries no minus sign.
std::string FormatFixed(double value, int width, int decimals, char decimalSeparator);

// Shortest text with at most 15 significant digits; exponent form below 1e-4 or beyond 15 integer
// digits ("1.5E-5", "1E20").
std::string FormatGeneral(double value, char decimalSeparator);

}  // namespace kgr
