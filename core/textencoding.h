// Text from catalogs written on Linux (UTF-8) or on Japanese Windows (code page 932).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kgr {

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Code page 932 (Shift-JIS with the Windows extensions) to UTF-8. Bytes that are no valid
// character become U+FFFD, so the result is always valid UTF-8.
std::string Cp932ToUtf8(std::string_view text);

// `text` unchanged when it is valid UTF-8, otherwise decoded as code page 932.
std::string DecodeCatalogText(std::string_view text);

// The longest start of `text` of at most `limit` bytes that ends on a character boundary of the
// encoding the whole text has (UTF-8 when it is valid UTF-8, code page 932 otherwise), so a cut
// never turns the rest of a text into a different encoding or leaves half a character behind.
std::string_view CutOnCharacter(std::string_view text, std::size_t limit);

}  // namespace kgr
