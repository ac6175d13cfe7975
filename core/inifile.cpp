#include "core/inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <unordered_set>

#include "core/numbertext.h"
#include "core/textencoding.h"

namespace kgr {

// One line of the file: a section header, a key with its value, or nothing to keep.
struct TIniLine {
    enum class TKind { ilNone, ilSection, ilEntry };
    TKind Kind = TKind::ilNone;
    std::string_view Name;
    std::string_view Value;
};

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
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

TIniLine ClassifyLine(std::string_view line) {
    line = Trim(line.substr(0, line.find('\0')));  // values are C strings to the callers of old
    if (line.empty() || line.front() == ';') return {};
    if (line.front() == '[')
        return {TIniLine::TKind::ilSection, Trim(line.substr(1, line.find(']') - 1)), {}};
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty()) return {};
    return {TIniLine::TKind::ilEntry, key, Unquote(Trim(line.substr(equals + 1)))};
}

// Calls `visit` with every line of `text` (after a leading byte-order mark) until it returns false.
template <class TVisit>
void ForEachLine(std::string_view text, TVisit visit) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.starts_with(bom)) text.remove_prefix(bom.size());
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!visit(ClassifyLine(text.substr(0, end))) || end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
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
std::vector<char> ReadRegularFile(const std::string& path, std::size_t limit) {
    if (!RegularFileExists(path)) return {};
    TFileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    // The size is a hint only: the file may grow or shrink while it is read.
    std::vector<char> data(std::min(limit, static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1));
    std::size_t size = 0;
    while (size < limit) {
        if (size == data.size()) data.resize(std::min(limit, data.size() * 2));
        const ssize_t got = read(file.Get(), data.data() + size, data.size() - size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        size += static_cast<std::size_t>(got);
    }
    data.resize(size);
    return data;
}

}  // namespace

bool RegularFileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::size_t TIniFile::TNameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037u;  // FNV-1a
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211u;
    return hash;
}

bool TIniFile::TNameEqual::operator()(std::string_view a, std::string_view b) const {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

TIniFile::TIniFile(std::string_view text) : TIniFile(std::vector<char>(text.begin(), text.end())) {}

TIniFile::TIniFile(std::vector<char> text) : Text_(std::move(text)) {
    // Every section header has a "[": reserving for all of them spares the index its regrowth.
    SectionIndex_.reserve(static_cast<std::size_t>(std::count(Text_.begin(), Text_.end(), '[')));
    std::size_t current = NoSection;
    ForEachLine(std::string_view(Text_.data(), Text_.size()), [&](const TIniLine& line) {
        AddLine(line, current);
        return true;
    });
}

TIniFile TIniFile::FromFile(const std::string& path) {
    return TIniFile(ReadRegularFile(path, MaxFileBytes));
}

std::string TIniFile::ReadFromFile(const std::string& path, std::string_view section, std::string_view key,
                                   const std::string& defaultValue) {
    const std::vector<char> bytes = ReadRegularFile(path, MaxFileBytes);
    return ReadFromText(std::string_view(bytes.data(), bytes.size()), section, key, defaultValue);
}

std::string TIniFile::ReadFromText(std::string_view text, std::string_view section, std::string_view key,
                                   const std::string& defaultValue) {
    section = Trim(section);
    key = Trim(key);
    std::optional<std::string> value;
    bool inSection = false;  // the first occurrence of the section: later ones are never seen
    ForEachLine(text, [&](const TIniLine& line) {
        if (line.Kind == TIniLine::TKind::ilSection) {
            if (inSection) return false;
            inSection = TNameEqual()(line.Name, section);
        } else if (inSection && line.Kind == TIniLine::TKind::ilEntry && TNameEqual()(line.Name, key)) {
            value = CutOnCharacter(line.Value, MaxValueBytes);
        }
        return !value;
    });
    return value.value_or(defaultValue);
}

void TIniFile::AddLine(const TIniLine& line, std::size_t& current) {
    if (line.Kind == TIniLine::TKind::ilSection) {
        const auto [it, added] = SectionIndex_.try_emplace(line.Name, Sections_.size());
        current = added ? it->second : NoSection;  // a repeated section's keys are never seen
        if (added) Sections_.push_back(TSection{line.Name, Entries_.size(), 0});
    } else if (line.Kind == TIniLine::TKind::ilEntry && current != NoSection) {
        // A repeated key is kept too: lookups and ReadSection see only the first.
        Entries_.push_back(TEntry{line.Name, line.Value});
        ++Sections_[current].Count;
    }
}

std::size_t TIniFile::FindSection(std::string_view section) const {
    const auto it = SectionIndex_.find(Trim(section));
    return it == SectionIndex_.end() ? NoSection : it->second;
}

const TIniFile::TEntry* TIniFile::FirstEntry(std::size_t section, std::string_view key) const {
    const auto first = Entries_.begin() + static_cast<std::ptrdiff_t>(Sections_[section].First);
    const auto last = first + static_cast<std::ptrdiff_t>(Sections_[section].Count);
    const auto it =
        std::find_if(first, last, [&](const TEntry& entry) { return TNameEqual()(entry.Name, key); });
    return it == last ? nullptr : &*it;
}

const TIniFile::TEntry* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
    const std::size_t found = FindSection(section);
    return found == NoSection ? nullptr : FirstEntry(found, Trim(key));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& defaultValue) const {
    const TEntry* entry = FindEntry(section, key);
    if (entry == nullptr) return defaultValue;
    return std::string(CutOnCharacter(entry->Value, MaxValueBytes));
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
    for (const TSection& section : Sections_) names.emplace_back(section.Name);
    return names;
}

std::vector<std::pair<std::string_view, std::string_view>> TIniFile::ValuesOfKey(std::string_view key) const {
    std::vector<std::pair<std::string_view, std::string_view>> values;
    key = Trim(key);
    for (std::size_t s = 0; s < Sections_.size(); ++s) {
        if (const TEntry* entry = FirstEntry(s, key))
            values.emplace_back(Sections_[s].Name, CutOnCharacter(entry->Value, MaxValueBytes));
    }
    return values;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> names;
    const std::size_t found = FindSection(section);
    if (found == NoSection) return names;
    std::unordered_set<std::string_view, TNameHash, TNameEqual> seen;
    const TSection& entries = Sections_[found];
    for (std::size_t i = entries.First; i < entries.First + entries.Count; ++i)
        if (seen.insert(Entries_[i].Name).second) names.emplace_back(Entries_[i].Name);
    return names;
}

}  // namespace kgr
