// The INI reader on any bytes: every name it lists can be read back, every value respects the
// length limit and decodes to valid UTF-8, and a value read straight from the text agrees.
#include <string>

#include "core/inifile.h"
#include "core/textencoding.h"
#include "fuzz/fuzzcheck.h"

using kgr::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = kgr::fuzz::AsText(data, size);
    const kgr::TIniFile ini(text);
    for (const std::string& section : ini.SectionNames()) {
        Require(ini.SectionExists(section), "a listed section exists");
        for (const std::string& key : ini.ReadSection(section)) {
            Require(ini.ValueExists(section, key), "a listed key exists");
            const std::string value = ini.ReadString(section, key, "\x01");
            Require(kgr::TIniFile::ReadFromText(text, section, key, "\x02") == value,
                    "reading one value straight from the text agrees with the reader");
            Require(value.size() <= kgr::TIniFile::MaxValueBytes, "a value respects the length limit");
            Require(kgr::IsValidUtf8(kgr::DecodeCatalogText(value)), "a value decodes to UTF-8");
            ini.ReadInteger(section, key, 0);
            ini.ReadFloat(section, key, 0, ',');
        }
    }
    for (const auto& [section, value] : ini.ValuesOfKey("description"))
        Require(ini.ReadString(section, "description", "\x01") == value,
                "ValuesOfKey agrees with ReadString");
    return 0;
}
