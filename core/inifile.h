// A read-only INI file reader: section and key names match without regard to ASCII letter case,
// blanks around names and values are trimmed, ";" starts a comment line, a value in matching
// double or single quotes loses them, the first of duplicate sections or keys wins, LF and CRLF
// line ends, a leading UTF-8 byte-order mark is skipped. Values are raw bytes (no decoding), cut at
// MaxValueBytes on a character boundary of their encoding (textencoding.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kgr {

// Whether `path` names a regular file (following links); directories, FIFOs and devices are not.
bool RegularFileExists(const std::string& path);

struct TIniLine;  // one classified line of the file

class TIniFile {
  public:
    // Files are read up to this many bytes; the rest is ignored.
    static constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;
    // Longest value text returned, as by a 2048-byte buffer with its terminating zero; a character
    // the limit would split is left out whole.
    static constexpr std::size_t MaxValueBytes = 2047;

    TIniFile() = default;
    explicit TIniFile(std::string_view text);
    // Names and values point into the reader's own copy of the text: it moves but is not copied.
    TIniFile(TIniFile&&) = default;
    TIniFile& operator=(TIniFile&&) = default;
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    // Reads the file at `path` without blocking: only a regular file is read, at most
    // MaxFileBytes of it. Anything unreadable gives an empty reader.
    static TIniFile FromFile(const std::string& path);

    // FromFile(path).ReadString(section, key, defaultValue) without building a reader: a single value
    // costs one pass over the file up to it.
    static std::string ReadFromFile(const std::string& path, std::string_view section, std::string_view key,
                                    const std::string& defaultValue);
    // TIniFile(text).ReadString(section, key, defaultValue) in the same way.
    static std::string ReadFromText(std::string_view text, std::string_view section, std::string_view key,
                                    const std::string& defaultValue);

    // The value, or `defaultValue` when the section or key is absent.
    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& defaultValue) const;
    // Integer syntax of the input fields ("0x" prefix for hexadecimal); `defaultValue` when absent
    // or on a syntax error.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // Number syntax of the input fields with the given decimal separator; `defaultValue` when
    // absent, empty or on a syntax error.
    double ReadFloat(std::string_view section, std::string_view key, double defaultValue,
                     char decimalSeparator) const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Section names in file order (first occurrences only).
    std::vector<std::string> SectionNames() const;
    // Every section having `key`, in file order, with the value ReadString gives (views into the reader).
    std::vector<std::pair<std::string_view, std::string_view>> ValuesOfKey(std::string_view key) const;
    // Key names of a section in file order (first occurrences only).
    std::vector<std::string> ReadSection(std::string_view section) const;

  private:
    // Names and values are views into Text_, whose buffer keeps its place when the reader moves.
    struct TEntry {
        std::string_view Name;
        std::string_view Value;
    };
    // A section's entries are contiguous: a repeated section adds none.
    struct TSection {
        std::string_view Name;
        std::size_t First = 0;
        std::size_t Count = 0;
    };
    // Hashes and compares names without regard to ASCII letter case.
    struct TNameHash {
        std::size_t operator()(std::string_view name) const;
    };
    struct TNameEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    static constexpr std::size_t NoSection = static_cast<std::size_t>(-1);

    explicit TIniFile(std::vector<char> text);
    // `current` is the section that takes the line's key, NoSection when keys are ignored.
    void AddLine(const TIniLine& line, std::size_t& current);
    std::size_t FindSection(std::string_view section) const;
    // The first entry named `key` (already trimmed) in the section at position `section`.
    const TEntry* FirstEntry(std::size_t section, std::string_view key) const;
    const TEntry* FindEntry(std::string_view section, std::string_view key) const;

    std::vector<char> Text_;
    std::vector<TSection> Sections_;
    std::vector<TEntry> Entries_;
    std::unordered_map<std::string_view, std::size_t, TNameHash, TNameEqual> SectionIndex_;
};

}  // namespace kgr
