// Numbers as text: the integer and floating-point syntax of input fields and catalogs, and the
// three output formats. The decimal separator is always passed in: the core has no locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kgr {

// Leading blanks, optional sign, decimal digits or hex digits after "$", "x" or "0x" (any case);
// nothing may follow; the value must fit in 32 bits. Empty text fails.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// Blanks around, optional sign, digits with at most one decimal separator, optional exponent
// ("E"/"e"). No "nan"/"inf". Empty text fails.
std::optional<double> ParseFloat(std::string_view text, char decimalSeparator);

// printf-like fixed notation: at least `width` characters (blank padded on the left) and exactly
// `decimals` decimals: FormatFixed(v, 4, 1, sep) is "%4.1f", FormatFixed(v, 3, 3, sep) is "%3.3f".
std::string FormatFixed(double value, int width, int decimals, char decimalSeparator);

// Shortest text with at most 15 significant digits; exponent form below 1e-4 or beyond 15 integer
// digits ("1.5E-5", "1E20").
std::string FormatGeneral(double value, char decimalSeparator);

}  // namespace kgr
