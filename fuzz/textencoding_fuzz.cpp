// Encoding detection, conversion and the character-boundary cut on any bytes: the results are
// always valid UTF-8, UTF-8 passes unchanged, and a cut text decodes to the start of the whole.
#include <algorithm>
#include <string>

#include "core/textencoding.h"
#include "fuzz/fuzzcheck.h"

using kgr::fuzz::Require;

namespace {

void CheckCut(std::string_view text, std::size_t limit) {
    const std::string_view cut = kgr::CutOnCharacter(text, limit);
    Require(cut.data() == text.data() && cut.size() <= std::min(limit, text.size()), "a cut is a start");
    if (text.size() <= limit) {
        Require(cut.size() == text.size(), "a text within the limit stays whole");
    } else if (kgr::IsValidUtf8(text)) {
        Require(kgr::IsValidUtf8(cut) && cut.size() + 3 >= limit, "UTF-8 loses at most one character");
    } else {
        const std::string whole = kgr::Cp932ToUtf8(text);
        const std::string start = kgr::Cp932ToUtf8(cut);
        Require(whole.compare(0, start.size(), start) == 0, "a cut CP932 text decodes to the whole's start");
        Require(cut.size() + 1 >= limit, "CP932 loses at most one character");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = kgr::fuzz::AsText(data, size);
    const bool valid = kgr::IsValidUtf8(text);
    Require(kgr::IsValidUtf8(kgr::Cp932ToUtf8(text)), "CP932 decoding gives UTF-8");
    const std::string decoded = kgr::DecodeCatalogText(text);
    Require(kgr::IsValidUtf8(decoded), "catalog text decodes to UTF-8");
    Require(!valid || decoded == text, "UTF-8 passes unchanged");
    for (const std::size_t limit :
         {std::size_t{0}, size / 2, size - std::min<std::size_t>(size, 1),
          size - std::min<std::size_t>(size, 2), size - std::min<std::size_t>(size, 3)})
        CheckCut(text, limit);
    return 0;
}
