// The preset catalogs: filling a drop-down list from an INI catalog and writing a picked entry's
// values into the input fields. Runs without a window: the list, the message box and the fields
// are reached through the small interfaces below, which the window implements and tests replace.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kgr {

class TIniFile;

// A pick-only drop-down list. Setting ItemIndex from code raises no event; the window calls
// OnSelect when the user picks an entry, LoadCatalog calls it after applying the default.
class IPresetList {
  public:
    virtual ~IPresetList() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& text) = 0;  // UTF-8
    // Appends all of `texts` as AddItem would one by one; lists that can take them at once do.
    virtual void AddItems(std::vector<std::string> texts) {
        for (const std::string& text : texts) AddItem(text);
    }
    virtual int ItemCount() const = 0;
    virtual int ItemIndex() const = 0;  // -1: nothing selected
    virtual void SetItemIndex(int index) = 0;

    std::function<void()> OnSelect;
};

// Modal error message box ("エラー", stop icon, one "OK" button); returns when closed.
class IMessageSink {
  public:
    virtual ~IMessageSink() = default;
    virtual void ShowError(const std::string& text) = 0;  // UTF-8
};

// Writes a field's Text (which may raise the field's change handler).
using TFieldWriter = std::function<void(const std::string& text)>;

struct TCatalogContext {
    std::string Directory;             // the executable's directory, with its trailing separator
    char DecimalSeparator = '.';       // the locale's, for reading and writing numbers
    IMessageSink* Messages = nullptr;  // may be null: messages are then dropped
};

// The five catalogs, in the order the window loads them.
enum class TCatalogKind { ckPrimary, ckTransmission, ckDrive, ckDriven, ckTire };

inline constexpr TCatalogKind AllCatalogKinds[] = {TCatalogKind::ckPrimary, TCatalogKind::ckTransmission,
                                                   TCatalogKind::ckDrive, TCatalogKind::ckDriven,
                                                   TCatalogKind::ckTire};

// "primary.ini", "transmission.ini", "drive.ini", "driven.ini", "tire.ini".
const char* CatalogFileName(TCatalogKind kind);

// Number of fields the kind's selection writes: 6 for the transmission, 1 otherwise.
int CatalogFieldCount(TCatalogKind kind);

// Fills `list` with "(USER)" and the descriptions of the catalog and applies its default
// (calling list.OnSelect). A missing catalog leaves the list untouched and shows a message.
void LoadCatalog(const TCatalogContext& context, const std::string& fileName, IPresetList& list);

// LoadCatalog on a catalog already read.
void FillPresetList(const TCatalogContext& context, const TIniFile& catalog, IPresetList& list);

// Value of `key` in section "info<index>" of the catalog, or 0.
double ReadCatalogValue(const TCatalogContext& context, const std::string& fileName, const std::string& key,
                        int index);

// The selection handler of a catalog's list: does nothing for "(USER)" or no selection; otherwise
// reads the catalog file once, as it is now, and the entry's values from it (ItemIndex read afresh
// for every key; a missing file shows its message once per key) and writes them into `fields`,
// in the order of the kind's value keys ("1st".."6th" each right after it is read, with "%3.3f";
// the tyre once as TireDiameter(dia, wid, flt); all others in general format). Writers missing
// from `fields` are skipped.
void SelectPreset(const TCatalogContext& context, TCatalogKind kind, const IPresetList& list,
                  std::span<const TFieldWriter> fields);
// The same with the values taken from a catalog already read.
void SelectPreset(const TCatalogContext& context, TCatalogKind kind, const TIniFile& catalog,
                  const IPresetList& list, std::span<const TFieldWriter> fields);

}  // namespace kgr
