// Numbers written with a number pattern such as "#,##0.###": "0" an always-written digit, "#" an
// optional digit, "." the decimal separator position and "," thousands grouping.
#pragma once

#include <string>

struct TNumberSeparators {
    std::string Thousands = ",";
    std::string Decimal = ".";
};

// The separators of the user's locale (converted again only when the locale changes).
const TNumberSeparators& LocaleNumberSeparators();

// The value written with the pattern; decimals beyond the pattern's are rounded to nearest (an exact binary
// tie goes to even). Text in the pattern other than the four elements is copied literally.
std::string FormatNumberPattern(double value, const std::string& pattern,
                                const TNumberSeparators& separators);
