// The setting memory's store on real files in a temporary folder: what goes in comes back exactly,
// and no failure loses an entry or a file.
#include "memory/settingmemory.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using kgr::TMemoryEntry;
using kgr::TSettingMemory;

TMemoryEntry Entry(const QString& title, const QString& tire = QStringLiteral("600")) {
    TMemoryEntry entry{title, {}, {}};
    const char* texts[] = {"10", "6", "8", "3", "15", "45", "600", "2.5", "1.8", "1.4", "1.15", "1", "0"};
    for (std::size_t i = 0; i < entry.Fields.size(); ++i) entry.Fields[i] = QString::fromLatin1(texts[i]);
    entry.Fields[6] = tire;
    entry.Presets = {QStringLiteral("(USER)"), QStringLiteral("5速 \"close\""), QString(),
                     QStringLiteral("45T"), QStringLiteral("120/70-17")};
    return entry;
}

QStringList Titles(const TSettingMemory& memory) {
    QStringList titles;
    for (const TMemoryEntry& entry : memory.Entries()) titles.append(entry.Title);
    return titles;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class SettingMemory : public ::testing::Test {
  protected:
    QString Path() const { return dir_.filePath(QStringLiteral("kestrigo/memory.json")); }
    QTemporaryDir dir_;
};

TEST_F(SettingMemory, HostileTitlesAndTextsComeBackExactlyInTheirOrder) {
    const QString longest =
        QString(99, QChar(u'x')) + QStringLiteral("🏍");  // 100 characters, 101 UTF-16 units
    const QStringList titles = {QStringLiteral("[info1]=a;b # c"),
                                QStringLiteral("\"quoted\" 'single' \\ /"),
                                QStringLiteral("峠 🏍️👍🏽 ｾｯﾃｨﾝｸﾞ"),
                                QStringLiteral("tab\tnew\nline\u0001"),
                                QStringLiteral("%1 %2 {} <b>&amp;</b>"),
                                longest};
    TSettingMemory memory(Path());
    memory.Load();
    EXPECT_FALSE(QFile::exists(Path())) << "reading never writes";
    for (const QString& title : titles) ASSERT_TRUE(memory.Put(Entry(title)).Stored) << title.toStdString();
    // Replacing keeps the entry's place; the second store reads what the first wrote.
    ASSERT_TRUE(memory.Put(Entry(titles[1], QStringLiteral("-1,5e3"))).Stored);

    TSettingMemory again(Path());
    again.Load();
    EXPECT_FALSE(again.Damaged());
    EXPECT_EQ(Titles(again), titles);
    const TMemoryEntry& replaced = again.Entries()[1];
    EXPECT_EQ(replaced.Fields[6], QStringLiteral("-1,5e3"));
    EXPECT_EQ(replaced.Fields[7], QStringLiteral("2.5"));
    EXPECT_EQ(replaced.Presets, Entry({}).Presets);

    ASSERT_TRUE(again.Remove(titles[0]).Stored);
    EXPECT_EQ(Titles(again), titles.mid(1));
    EXPECT_FALSE(again.Put(Entry(longest + QStringLiteral("x"))).Stored) << "101 characters";
    EXPECT_FALSE(again.Put(Entry({})).Stored);
    EXPECT_EQ(Titles(again), titles.mid(1));
}

TEST_F(SettingMemory, ADamagedFileIsKeptByteForByteThenMovedAsideOnTheNextChange) {
    const QByteArray valid = R"({"format": "kestrigo-setting-memory", "version": 1, "entries": []})";
    const QByteArray damaged[] = {
        "not json at all",
        QByteArray("\x00\xff\xfe junk \x89PNG\r\n", 14),
        R"({"format": "kestrigo-setting-memory", "version": 2, "entries": []})",
        valid.left(valid.size() / 2),
        "",
        R"({"format": "kestrigo-setting-memory", "version": 1, "entries": [{"title": "a"}]})",
        "{\"format\": \"kestrigo-setting-memory\", \"version\": 1, \"entries\": [], \"x\": \"\xc3\x28\"}",
    };
    const QRegularExpression movedName(QStringLiteral("/memory\\.json\\.damaged-\\d{8}-\\d{6}(-\\d+)?$"));
    for (const QByteArray& bytes : damaged) {
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.filePath(QStringLiteral("kestrigo")));
        Write(Path(), bytes);
        TSettingMemory memory(Path());
        memory.Load();
        EXPECT_TRUE(memory.Damaged()) << bytes.toStdString();
        EXPECT_TRUE(memory.Entries().empty());
        EXPECT_EQ(Bytes(Path()), bytes) << "untouched until the next change";

        const kgr::TMemoryChange change = memory.Put(Entry(QStringLiteral("new")));
        EXPECT_TRUE(change.Stored);
        EXPECT_TRUE(movedName.match(change.DamagedMovedTo).hasMatch()) << change.DamagedMovedTo.toStdString();
        EXPECT_EQ(Bytes(change.DamagedMovedTo), bytes);
        TSettingMemory after(Path());
        after.Load();
        EXPECT_EQ(Titles(after), QStringList{QStringLiteral("new")});
    }
}

TEST_F(SettingMemory, AFolderThatCannotBeWrittenStoresNothingAndSaysWhy) {
    // A file where the folder should be: no folder can be made there, whoever runs the test.
    Write(dir_.filePath(QStringLiteral("kestrigo")), "a file");
    TSettingMemory memory(Path());
    memory.Load();
    const kgr::TMemoryChange change = memory.Put(Entry(QStringLiteral("lost?")));
    EXPECT_FALSE(change.Stored);
    EXPECT_TRUE(change.Error.contains(dir_.filePath(QStringLiteral("kestrigo"))))
        << change.Error.toStdString();
    EXPECT_TRUE(memory.Entries().empty()) << "no phantom entry";
    EXPECT_EQ(Bytes(dir_.filePath(QStringLiteral("kestrigo"))), QByteArray("a file"));
}

TEST_F(SettingMemory, TwoStoresOnOneFileKeepEachOthersAdditions) {
    TSettingMemory first(Path());
    TSettingMemory second(Path());
    first.Load();
    second.Load();
    for (const char* title : {"A1", "B1", "A2", "B2"})
        ASSERT_TRUE((title[0] == 'A' ? first : second).Put(Entry(QString::fromLatin1(title))).Stored);
    ASSERT_TRUE(first.Remove(QStringLiteral("B1")).Stored);
    const QStringList expected = {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B2")};
    EXPECT_EQ(Titles(first), expected);
    TSettingMemory fresh(Path());
    fresh.Load();
    EXPECT_EQ(Titles(fresh), expected);
}

}  // namespace
