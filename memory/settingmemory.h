// The setting memory: named setups (the thirteen field texts and the five preset lists' entries) kept
// in one UTF-8 JSON file. Shared by the window and kestrigo-calc; QtCore only. Nothing is ever lost:
// every change is a read-modify-write under a lock file, saved atomically, and a file that cannot be
// read is kept beside the new one instead of being overwritten.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/gearinginputs.h"

namespace kgr {

// The five preset lists by the window's names, in catalog order.
inline constexpr int PresetListCount = 5;
inline constexpr std::array<const char*, PresetListCount> PresetListNames = {
    "C_Ratio1", "C_RatioT", "C_Ratio2drv", "C_Ratio2drvn", "C_Tire"};
// The longest title, in characters (code points).
inline constexpr int MaxMemoryTitleLength = 100;

struct TMemoryEntry {
    QString Title;
    std::array<QString, GearingInputCount> Fields;  // in the input table's order (core/inputfields.h)
    std::array<QString, PresetListCount> Presets;   // the entries the lists showed, in catalog order
};

// What a change did; on failure the file and the entries are as they were.
struct TMemoryChange {
    bool Stored = false;
    QString Error;           // why not, when not stored
    QString DamagedMovedTo;  // where an unreadable file was kept, when it was moved aside
};

class TSettingMemory {
  public:
    // The file the window and kestrigo-calc use: memory.json in $XDG_DATA_HOME/kestrigo/ (else
    // ~/.local/share/kestrigo/).
    static QString DefaultPath();

    explicit TSettingMemory(QString path);

    // Reads the file; never writes. A missing file is an empty memory; an unreadable one leaves the
    // entries empty and Damaged() true.
    void Load();
    bool Damaged() const { return damaged_; }
    const QString& Path() const { return path_; }
    const std::vector<TMemoryEntry>& Entries() const { return entries_; }
    // The position of the entry of this title, if there is one.
    std::optional<std::size_t> Find(const QString& title) const;

    // Adds the entry at the end, or replaces the one of the same title in its place.
    TMemoryChange Put(const TMemoryEntry& entry);
    // Removes the entry of this title (nothing to remove is no error).
    TMemoryChange Remove(const QString& title);

  private:
    template <class Edit>
    TMemoryChange Change(Edit edit);

    QString path_;
    std::vector<TMemoryEntry> entries_;
    bool damaged_ = false;
};

// Whether a title (already trimmed) is longer than MaxMemoryTitleLength characters.
bool MemoryTitleTooLong(const QString& title);

}  // namespace kgr
