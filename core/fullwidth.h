// The full-width forms of the characters numbers are typed with, as a Japanese input method left on
// types them, read as their ASCII forms. Each maps one character to one, so positions in a text
// keep their place.
#pragma once

#include <string>
#include <string_view>

namespace kgr {

// The ASCII form of a full-width digit (U+FF10 ... U+FF19), full stop, comma, minus, plus or the
// ideographic space (U+3000); any other character as it is.
char32_t HalfWidthOf(char32_t c);

// UTF-8 text with those characters replaced; every other byte passes unchanged.
std::string ToHalfWidth(std::string_view utf8);

}  // namespace kgr
