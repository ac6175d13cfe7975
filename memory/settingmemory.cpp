#include "memory/settingmemory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include "core/inputfields.h"
#include "core/messages.h"

namespace kgr {

namespace {

constexpr const char* kFormat = "kestrigo-setting-memory";
constexpr int kVersion = 1;
// Far above 10,000 entries; a larger file is no memory of ours and is not read into memory at all.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
constexpr int kLockWaitMs = 5000;

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QJsonObject ToJson(const TMemoryEntry& entry) {
    QJsonObject fields;
    for (std::size_t i = 0; i < InputFields.size(); ++i)
        fields.insert(QLatin1String(InputFields[i].Control), entry.Fields[i]);
    QJsonObject presets;
    for (std::size_t i = 0; i < PresetListNames.size(); ++i)
        presets.insert(QLatin1String(PresetListNames[i]), entry.Presets[i]);
    return {{"title", entry.Title}, {"fields", fields}, {"presets", presets}};
}

QByteArray ToFileBytes(const std::vector<TMemoryEntry>& entries) {
    QJsonArray list;
    for (const TMemoryEntry& entry : entries) list.append(ToJson(entry));
    const QJsonObject root{{"format", QLatin1String(kFormat)}, {"version", kVersion}, {"entries", list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// Each of `names` must be a string in `object`.
template <std::size_t N>
bool ReadTexts(const QJsonValue& value, const std::array<const char*, N>& names,
               std::array<QString, N>& texts) {
    if (!value.isObject()) return false;
    const QJsonObject object = value.toObject();
    for (std::size_t i = 0; i < N; ++i) {
        const QJsonValue text = object.value(QLatin1String(names[i]));
        if (!text.isString()) return false;
        texts[i] = text.toString();
    }
    return true;
}

std::array<const char*, GearingInputCount> FieldNames() {
    std::array<const char*, GearingInputCount> names{};
    for (std::size_t i = 0; i < InputFields.size(); ++i) names[i] = InputFields[i].Control;
    return names;
}

std::optional<TMemoryEntry> FromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    TMemoryEntry entry;
    entry.Title = object.value(QLatin1String("title")).toString();
    if (entry.Title.isEmpty() ||
        !ReadTexts(object.value(QLatin1String("fields")), FieldNames(), entry.Fields) ||
        !ReadTexts(object.value(QLatin1String("presets")), PresetListNames, entry.Presets))
        return std::nullopt;
    return entry;
}

// The entries of a file's bytes, or nothing when they are not a memory of this version.
std::optional<std::vector<TMemoryEntry>> FromFileBytes(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QLatin1String("format")).toString() != QLatin1String(kFormat) ||
        root.value(QLatin1String("version")) != QJsonValue(kVersion) ||
        !root.value(QLatin1String("entries")).isArray())
        return std::nullopt;
    std::vector<TMemoryEntry> entries;
    QSet<QString> titles;
    for (const QJsonValue& value : root.value(QLatin1String("entries")).toArray()) {
        auto entry = FromJson(value);
        // Two entries of one title would make a pick ambiguous: not a file this program wrote.
        if (!entry || titles.contains(entry->Title)) return std::nullopt;
        titles.insert(entry->Title);
        entries.push_back(std::move(*entry));
    }
    return entries;
}

struct TFileState {
    std::vector<TMemoryEntry> Entries;
    bool Damaged = false;
};

TFileState ReadFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return {{}, true};
    auto entries = FromFileBytes(file.readAll());
    if (!entries) return {{}, true};
    return {std::move(*entries), false};
}

// Renames the damaged file to "<name>.damaged-YYYYMMDD-HHMMSS" (with "-2", "-3" ... should that be taken);
// rename never replaces an existing file. Empty when it could not be moved.
QString MoveAside(const QString& path) {
    const QString base = path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n < 100; ++n) {
        const QString target = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        if (QFile::exists(target)) continue;
        if (QFile::rename(path, target)) return target;
    }
    return {};
}

// Writes the whole file anew: the old one stays until the new one is complete.
QString WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Text(AppStrings::MemoryCannotWrite).arg(path, file.errorString());
    return {};
}

}  // namespace

QString TSettingMemory::DefaultPath() {
    // The data folder of a program named "kestrigo" (AppDataLocation takes the application name,
    // which is the window class "K.G.R." here).
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/kestrigo/memory.json");
}

TSettingMemory::TSettingMemory(QString path) : path_(std::move(path)) {}

void TSettingMemory::Load() {
    TFileState state = ReadFile(path_);
    entries_ = std::move(state.Entries);
    damaged_ = state.Damaged;
}

std::optional<std::size_t> TSettingMemory::Find(const QString& title) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Title == title) return i;
    return std::nullopt;
}

bool MemoryTitleTooLong(const QString& title) {
    return title.toUcs4().size() > MaxMemoryTitleLength;
}

template <class Edit>
TMemoryChange TSettingMemory::Change(Edit edit) {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) return {false, Text(AppStrings::MemoryCannotCreateFolder).arg(folder), {}};
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) return {false, Text(AppStrings::MemoryLocked).arg(lock.fileName()), {}};
    // What another window saved since this one read the file is kept.
    TFileState state = ReadFile(path_);
    edit(state.Entries);
    TMemoryChange change;
    if (state.Damaged) {
        change.DamagedMovedTo = MoveAside(path_);
        if (change.DamagedMovedTo.isEmpty())
            return {false, Text(AppStrings::MemoryCannotMoveDamaged).arg(path_), {}};
    }
    change.Error = WriteFile(path_, ToFileBytes(state.Entries));
    change.Stored = change.Error.isEmpty();
    if (change.Stored) {
        entries_ = std::move(state.Entries);
        damaged_ = false;
    }
    return change;
}

TMemoryChange TSettingMemory::Put(const TMemoryEntry& entry) {
    if (entry.Title.isEmpty() || MemoryTitleTooLong(entry.Title))
        return {false, Text(AppStrings::MemoryBadTitle), {}};
    return Change([&entry](std::vector<TMemoryEntry>& entries) {
        for (TMemoryEntry& old : entries)
            if (old.Title == entry.Title) {
                old = entry;
                return;
            }
        entries.push_back(entry);
    });
}

TMemoryChange TSettingMemory::Remove(const QString& title) {
    return Change([&title](std::vector<TMemoryEntry>& entries) {
        std::erase_if(entries, [&title](const TMemoryEntry& entry) { return entry.Title == title; });
    });
}

}  // namespace kgr
