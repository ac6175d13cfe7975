#include "app/core/inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "app/core/numbertext.h"

namespace kgr {
namespace {

std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

// The lookup key of a key name within the section with the given position.
std::string EntryId(std::size_t section, std::string_view key) {
    return std::to_string(section) + '\n' + LowerAscii(key);  // digits, then the key after the first line end
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Closes a file descriptor when it goes out of scope.
class TFileDescriptor {
  public:
    explicit TFileDescriptor(int fd) : Fd_(fd) {}
    ~TFileDescriptor() {
        if (Fd_ >= 0) close(Fd_);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return Fd_; }

  private:
    int Fd_;
};

// At most `limit` bytes of a regular file; empty for anything else. Opening never blocks (a FIFO
// swapped in after the existence test is refused by the check after opening).
std::string ReadRegularFile(const std::string& path, std::size_t limit) {
    if (!RegularFileExists(path)) return {};
    TFileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    std::string data;
    char chunk[65536];
    while (data.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - data.size());
        const ssize_t got = read(file.Get(), chunk, want);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        data.append(chunk, static_cast<std::size_t>(got));
    }
    return data;
}

}  // namespace

bool RegularFileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

TIniFile::TIniFile(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.starts_with(bom)) text.remove_prefix(bom.size());
    std::size_t current = NoSection;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        ParseLine(text.substr(0, end), current);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

TIniFile TIniFile::FromFile(const std::string& path) {
    return TIniFile(ReadRegularFile(path, MaxFileBytes));
}

void TIniFile::ParseLine(std::string_view line, std::size_t& current) {
    line = Trim(line.substr(0, line.find('\0')));  // values are C strings to the callers of old
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
        const std::string_view name = Trim(line.substr(1, line.find(']') - 1));
        const auto [it, added] = SectionIndex_.try_emplace(LowerAscii(name), Sections_.size());
        current = added ? it->second : NoSection;  // a repeated section's keys are never seen
        if (added) Sections_.push_back(TSection{std::string(name), Entries_.size(), 0});
        return;
    }
    const std::size_t equals = line.find('=');
    if (current == NoSection || equals == std::string_view::npos) return;
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty() || !EntryIndex_.try_emplace(EntryId(current, key), Entries_.size()).second) return;
    Entries_.push_back(TEntry{std::string(key), std::string(Unquote(Trim(line.substr(equals + 1))))});
    ++Sections_[current].Count;
}

std::size_t TIniFile::FindSection(std::string_view section) const {
    const auto it = SectionIndex_.find(LowerAscii(Trim(section)));
    return it == SectionIndex_.end() ? NoSection : it->second;
}

const TIniFile::TEntry* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
    const std::size_t found = FindSection(section);
    if (found == NoSection) return nullptr;
    const auto it = EntryIndex_.find(EntryId(found, Trim(key)));
    return it == EntryIndex_.end() ? nullptr : &Entries_[it->second];
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& defaultValue) const {
    const TEntry* entry = FindEntry(section, key);
    if (entry == nullptr) return defaultValue;
    return entry->Value.substr(0, MaxValueBytes);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const {
    // "0x1F" is hexadecimal; ParseInteger already reads that prefix, "$" and "x" as well.
    return ParseInteger(ReadString(section, key, "")).value_or(defaultValue);
}

double TIniFile::ReadFloat(std::string_view section, std::string_view key, double defaultValue,
                           char decimalSeparator) const {
    const std::string text = ReadString(section, key, "");
    if (text.empty()) return defaultValue;
    return ParseFloat(text, decimalSeparator).value_or(defaultValue);
}

bool TIniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != NoSection;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindEntry(section, key) != nullptr;
}

std::vector<std::string> TIniFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(Sections_.size());
    for (const TSection& section : Sections_) names.push_back(section.Name);
    return names;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> names;
    const std::size_t found = FindSection(section);
    if (found == NoSection) return names;
    const TSection& entries = Sections_[found];
    for (std::size_t i = entries.First; i < entries.First + entries.Count; ++i)
        names.push_back(Entries_[i].Name);
    return names;
}

}  // namespace kgr
