#include "core/catalogs.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "core/formulas.h"
#include "core/inifile.h"
#include "core/inputfields.h"
#include "core/messages.h"
#include "core/numbertext.h"
#include "core/textencoding.h"

namespace kgr {
namespace {

// How a picked entry's values reach the fields.
enum class TWriteMode {
    wmGeneral,       // one value, general format
    wmEachFixed,     // every value into its own field, "%3.3f", right after reading it
    wmTireDiameter,  // dia, wid, flt combined into one diameter, general format
};

struct TCatalogDescriptor {
    const char* FileName;
    std::span<const char* const> Keys;
    TWriteMode Mode;
};

constexpr const char* RatioKeys[] = {"ratio"};
constexpr const char* TireKeys[] = {"dia", "wid", "flt"};

constexpr TCatalogDescriptor CatalogDescriptors[] = {
    {"primary.ini", RatioKeys, TWriteMode::wmGeneral},
    {"transmission.ini", GearNames, TWriteMode::wmEachFixed},
    {"drive.ini", RatioKeys, TWriteMode::wmGeneral},
    {"driven.ini", RatioKeys, TWriteMode::wmGeneral},
    {"tire.ini", TireKeys, TWriteMode::wmTireDiameter},
};

// After this many "NoValue:info" messages the rest are summed up in one message, so a catalog
// claiming two billion entries cannot bury the user in dialogs.
constexpr int MaxNoValueMessages = 3;

const TCatalogDescriptor& DescriptorOf(TCatalogKind kind) {
    return CatalogDescriptors[static_cast<int>(kind)];
}

void ShowError(const TCatalogContext& context, const std::string& text) {
    if (context.Messages != nullptr) context.Messages->ShowError(text);
}

// k of a section named "info<k>" (k written without leading zeros, letter case ignored), or 0.
std::int64_t EntryNumberOf(std::string_view sectionName) {
    constexpr std::string_view prefix = "info";
    if (sectionName.size() <= prefix.size() || sectionName.size() > prefix.size() + 10) return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if ((sectionName[i] | 0x20) != prefix[i]) return 0;
    }
    const char* digits = sectionName.data() + prefix.size();
    const char* end = sectionName.data() + sectionName.size();
    std::int64_t k = 0;
    const auto [next, error] = std::from_chars(digits, end, k);
    if (error != std::errc() || next != end || *digits < '1' || *digits > '9') return 0;
    return k;
}

// The entries 1 … count that have a description, ascending, with their descriptions. Only sections
// that exist can have one, so this is bounded by the file, not by `count`.
std::vector<std::pair<std::int64_t, std::string_view>> DescribedEntries(const TIniFile& ini,
                                                                        std::int64_t count) {
    std::vector<std::pair<std::int64_t, std::string_view>> entries;
    for (const auto& [section, description] : ini.ValuesOfKey("description")) {
        const std::int64_t k = EntryNumberOf(section);
        if (k >= 1 && k <= count) entries.emplace_back(k, description);
    }
    // Section names are unique and "info<k>" has no leading zeros, so every k is there once.
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return entries;
}

// Reports entries without a description: the first few by number, the rest as one count.
// `beforeMessage` runs right before each of the numbered messages.
class TMissingReporter {
  public:
    TMissingReporter(const TCatalogContext& context, std::function<void()> beforeMessage)
        : Context_(context), BeforeMessage_(std::move(beforeMessage)) {}

    // Entries first … last - 1 lack a description.
    void Report(std::int64_t first, std::int64_t last) {
        for (; first < last && Shown_ < MaxNoValueMessages; ++first, ++Shown_) {
            BeforeMessage_();
            ShowError(Context_, AppStrings::NoValueInfo + std::to_string(first));
        }
        if (first < last) Suppressed_ += last - first;
    }

    void Finish() {
        if (Suppressed_ == 0) return;
        char text[256];
        std::snprintf(text, sizeof text, AppStrings::NoValueInfoMore, static_cast<long long>(Suppressed_));
        ShowError(Context_, text);
    }

  private:
    const TCatalogContext& Context_;
    std::function<void()> BeforeMessage_;
    int Shown_ = 0;
    std::int64_t Suppressed_ = 0;
};

void AddDescriptions(const TCatalogContext& context, const TIniFile& ini, IPresetList& list) {
    const std::int64_t count = ini.ReadInteger("generic", "number", 0);
    // Items go to the list in batches; a message shows the list as filled up to its entry.
    std::vector<std::string> items;
    const auto addPending = [&] { list.AddItems(std::exchange(items, {})); };
    TMissingReporter missing(context, addPending);
    std::int64_t expected = 1;
    for (const auto& [k, description] : DescribedEntries(ini, count)) {
        missing.Report(expected, k);
        items.push_back(DecodeCatalogText(description));
        expected = k + 1;
    }
    addPending();
    missing.Report(expected, count + 1);
    missing.Finish();
}

void ApplyDefault(const TCatalogContext& context, const TIniFile& ini, IPresetList& list) {
    if (!ini.ValueExists("generic", "default")) {
        ShowError(context, AppStrings::NoValueDefault);
        return;
    }
    const int index = ini.ReadInteger("generic", "default", 0);
    if (index < 0 || index >= list.ItemCount()) return;
    list.SetItemIndex(index);
    // A selection made by the program raises no event, so the handler is called here.
    if (list.OnSelect) list.OnSelect();
}

void Write(std::span<const TFieldWriter> fields, std::size_t field, const std::string& text) {
    if (field < fields.size() && fields[field]) fields[field](text);
}

double CatalogNumber(const std::string& text, char decimalSeparator) {
    std::optional<double> value = ParseFloat(text, decimalSeparator);
    // The shipped catalogs are written with "."; keep them usable where the locale uses a comma.
    if (!value && decimalSeparator != '.') value = ParseFloat(text, '.');
    return value.value_or(0);
}

std::string EntrySection(int index) {
    return "info" + std::to_string(index);
}

// Reads the number under `key` of entry `index`.
using TValueReader = std::function<double(const char* key, int index)>;

void WritePicked(TCatalogKind kind, const IPresetList& list, std::span<const TFieldWriter> fields,
                 char separator, const TValueReader& readValue) {
    if (list.ItemIndex() <= 0) return;
    const TCatalogDescriptor& catalog = DescriptorOf(kind);
    // ItemIndex is read afresh for every key: a field's change handler may have moved it.
    const auto read = [&](std::size_t key) { return readValue(catalog.Keys[key], list.ItemIndex()); };
    switch (catalog.Mode) {
        case TWriteMode::wmGeneral:
            Write(fields, 0, FormatGeneral(read(0), separator));
            break;
        case TWriteMode::wmEachFixed:
            for (std::size_t key = 0; key < catalog.Keys.size(); ++key) {
                Write(fields, key, FormatFixed(read(key), 3, 3, separator));
            }
            break;
        case TWriteMode::wmTireDiameter: {
            const double dia = read(0);
            const double wid = read(1);
            const double flt = read(2);
            Write(fields, 0, FormatGeneral(TireDiameter(dia, wid, flt), separator));
            break;
        }
    }
}

}  // namespace

const char* CatalogFileName(TCatalogKind kind) {
    return DescriptorOf(kind).FileName;
}

int CatalogFieldCount(TCatalogKind kind) {
    const TCatalogDescriptor& catalog = DescriptorOf(kind);
    return catalog.Mode == TWriteMode::wmEachFixed ? static_cast<int>(catalog.Keys.size()) : 1;
}

void LoadCatalog(const TCatalogContext& context, const std::string& fileName, IPresetList& list) {
    const std::string path = context.Directory + fileName;
    if (!RegularFileExists(path)) {
        ShowError(context, fileName + AppStrings::FileNotFound);
        return;
    }
    FillPresetList(context, TIniFile::FromFile(path), list);
}

void FillPresetList(const TCatalogContext& context, const TIniFile& catalog, IPresetList& list) {
    list.ClearItems();
    list.AddItem(AppStrings::UserEntry);
    AddDescriptions(context, catalog, list);
    ApplyDefault(context, catalog, list);
}

double ReadCatalogValue(const TCatalogContext& context, const std::string& fileName, const std::string& key,
                        int index) {
    const std::string path = context.Directory + fileName;
    if (!RegularFileExists(path)) {
        ShowError(context, fileName + AppStrings::FileNotFound);
        return 0;
    }
    return CatalogNumber(TIniFile::ReadFromFile(path, EntrySection(index), key, ""),
                         context.DecimalSeparator);
}

void SelectPreset(const TCatalogContext& context, TCatalogKind kind, const IPresetList& list,
                  std::span<const TFieldWriter> fields) {
    if (list.ItemIndex() <= 0) return;
    const char* fileName = DescriptorOf(kind).FileName;
    const std::string path = context.Directory + fileName;
    if (RegularFileExists(path)) {
        SelectPreset(context, kind, TIniFile::FromFile(path), list, fields);
        return;
    }
    // Each value read finds the file missing: one message per value, and the value counts as 0.
    WritePicked(kind, list, fields, context.DecimalSeparator, [&](const char*, int) {
        ShowError(context, fileName + std::string(AppStrings::FileNotFound));
        return 0.0;
    });
}

void SelectPreset(const TCatalogContext& context, TCatalogKind kind, const TIniFile& catalog,
                  const IPresetList& list, std::span<const TFieldWriter> fields) {
    const char separator = context.DecimalSeparator;
    WritePicked(kind, list, fields, separator, [&](const char* key, int index) {
        return CatalogNumber(catalog.ReadString(EntrySection(index), key, ""), separator);
    });
}

}  // namespace kgr
