#include "core/textencoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace kgr {
namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence at the start of `text`, or 0 when it is malformed.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

// Owns an iconv conversion descriptor.
class TConverter {
  public:
    TConverter() : Handle_(iconv_open("UTF-8", "CP932")) {
        if (Handle_ == Invalid()) Handle_ = iconv_open("UTF-8", "SHIFT_JIS");
    }
    ~TConverter() {
        if (Handle_ != Invalid()) iconv_close(Handle_);
    }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    bool Valid() const { return Handle_ != Invalid(); }
    iconv_t Get() const { return Handle_; }

  private:
    static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle_;
};

// Decodes code page 932, appending to `result`, and returns the number of bytes used. With
// `keepShortTail` a character that the end of `text` cuts short stays unused instead of becoming U+FFFD.
std::size_t DecodeCp932(std::string_view text, std::string& result, bool keepShortTail) {
    // Opening a converter costs more than decoding a description: each thread keeps its own.
    thread_local TConverter converter;
    if (!converter.Valid()) {
        // Without the converter keep the ASCII and mark everything else.
        for (const char c : text)
            result += static_cast<std::uint8_t>(c) < 0x80 ? std::string_view(&c, 1) : ReplacementCharacter;
        return text.size();
    }
    iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);  // from the initial state
    char* in = const_cast<char*>(text.data());                   // iconv's interface is not const-correct
    std::size_t inLeft = text.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter.Get(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done != static_cast<std::size_t>(-1) || error == E2BIG) continue;
        if (error == EINVAL && keepShortTail) break;  // only the last character can be short
        // An invalid or truncated sequence: mark it and go on after its first byte.
        result += ReplacementCharacter;
        ++in;
        --inLeft;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return text.size() - inLeft;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string Cp932ToUtf8(std::string_view text) {
    std::string result;
    DecodeCp932(text, result, false);
    return result;
}

std::string DecodeCatalogText(std::string_view text) {
    if (IsValidUtf8(text)) return std::string(text);
    return Cp932ToUtf8(text);
}

std::string_view CutOnCharacter(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    if (IsValidUtf8(text)) {
        while (limit > 0 && (static_cast<std::uint8_t>(text[limit]) & 0xC0) == 0x80)
            --limit;  // a continuation
        return text.substr(0, limit);
    }
    std::string ignored;
    return text.substr(0, DecodeCp932(text.substr(0, limit), ignored, true));
}

}  // namespace kgr
