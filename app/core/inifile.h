// A read-only INI file reader: section and key names match without regard to ASCII letter case,
// blanks around names and values are trimmed, ";" starts a comment line, a value in matching
// double or single quotes loses them, the first of duplicate sections or keys wins, LF and CRLF
// line ends, a leading UTF-8 byte-order mark is skipped. Values are raw bytes (no decoding).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kgr {

// Whether `path` names a regular file (following links); directories, FIFOs and devices are not.
bool RegularFileExists(const std::string& path);

class TIniFile {
  public:
    // Files are read up to this many bytes; the rest is ignored.
    static constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;
    // Longest value text returned, as by a 2048-byte buffer with its terminating zero.
    static constexpr std::size_t MaxValueBytes = 2047;

    TIniFile() = default;
    explicit TIniFile(std::string_view text);

    // Reads the file at `path` without blocking: only a regular file is read, at most
    // MaxFileBytes of it. Anything unreadable gives an empty reader.
    static TIniFile FromFile(const std::string& path);

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
    // Key names of a section in file order (first occurrences only).
    std::vector<std::string> ReadSection(std::string_view section) const;

  private:
    struct TEntry {
        std::string Name;
        std::string Value;
    };
    // A section's entries are contiguous: a repeated section adds none.
    struct TSection {
        std::string Name;
        std::size_t First = 0;
        std::size_t Count = 0;
    };
    static constexpr std::size_t NoSection = static_cast<std::size_t>(-1);

    // `current` is the section that takes the line's key, NoSection when keys are ignored.
    void ParseLine(std::string_view line, std::size_t& current);
    std::size_t FindSection(std::string_view section) const;
    const TEntry* FindEntry(std::string_view section, std::string_view key) const;

    std::vector<TSection> Sections_;
    std::vector<TEntry> Entries_;
    std::unordered_map<std::string, std::size_t> SectionIndex_;  // lower-case name -> section
    std::unordered_map<std::string, std::size_t> EntryIndex_;    // section + lower-case key -> entry
};

}  // namespace kgr
