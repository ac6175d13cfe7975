#include "core/fullwidth.h"

namespace kgr {

char32_t HalfWidthOf(char32_t c) {
    if (c >= U'０' && c <= U'９') return U'0' + (c - U'０');
    switch (c) {
        case U'．':
            return U'.';
        case U'，':
            return U',';
        case U'－':
            return U'-';
        case U'＋':
            return U'+';
        case U'\u3000':
            return U' ';
        default:
            return c;
    }
}

std::string ToHalfWidth(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // Every character mapped is three bytes long in UTF-8, and its lead byte starts no other.
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[i + k]); };
        if (i + 2 < utf8.size() && (byte(0) & 0xF0) == 0xE0 && (byte(1) & 0xC0) == 0x80 &&
            (byte(2) & 0xC0) == 0x80) {
            const char32_t c = (char32_t{byte(0) & 0x0Fu} << 12) | (char32_t{byte(1) & 0x3Fu} << 6) |
                               char32_t{byte(2) & 0x3Fu};
            if (const char32_t half = HalfWidthOf(c); half != c) {
                out += static_cast<char>(half);
                i += 2;
                continue;
            }
        }
        out += utf8[i];
    }
    return out;
}

}  // namespace kgr
