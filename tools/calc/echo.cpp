#include "tools/calc/echo.h"

#include <cstdio>

#include "core/textencoding.h"

namespace kcalc {

namespace {

// How many bytes a UTF-8 character starting with `lead` has; 1 for ASCII and for bytes that start none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xc2 && lead <= 0xdf) return 2;
    if (lead >= 0xe0 && lead <= 0xef) return 3;
    if (lead >= 0xf0 && lead <= 0xf4) return 4;
    return 1;
}

bool IsControl(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return first < 0x20 || first >= 0x7f;  // also a lone byte >= 0x80
    // U+0080 ... U+009F, the C1 controls.
    return first == 0xc2 && static_cast<unsigned char>(character[1]) < 0xa0;
}

}  // namespace

std::string Echo(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        if (length > 1 && !kgr::IsValidUtf8(text.substr(i, length))) length = 1;
        const std::string_view character = text.substr(i, length);
        if (IsControl(character)) {
            for (const char byte : character) {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(byte));
                out += escape;
            }
        } else {
            out += character;
        }
        i += length;
    }
    return out;
}

}  // namespace kcalc
