// --memory TITLE in place of the thirteen inputs, read from the window's setting memory in a
// temporary user data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "memory/settingmemory.h"
#include "tests/calc/run_calc.h"

namespace {

using kcalc_test::Has;
using kcalc_test::kWorked;
using kcalc_test::kWorked16;
using kcalc_test::RunCalc;

kgr::TMemoryEntry Stored(const QString& title, const std::string& inputs) {
    kgr::TMemoryEntry entry{title, {}, {}};
    const QStringList texts = QString::fromStdString(inputs).split(QLatin1Char(' '));
    for (std::size_t i = 0; i < entry.Fields.size(); ++i) entry.Fields[i] = texts[static_cast<qsizetype>(i)];
    return entry;
}

class CalcMemory : public ::testing::Test {
  protected:
    void SetUp() override {
        oldDataHome_ = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
        setenv("XDG_DATA_HOME", userData_.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override { setenv("XDG_DATA_HOME", oldDataHome_.c_str(), 1); }
    QString File() const { return userData_.filePath(QStringLiteral("kestrigo/memory.json")); }

    QTemporaryDir userData_;
    std::string oldDataHome_;
};

TEST_F(CalcMemory, AStoredTitleStandsForItsThirteenInputsInEveryForm) {
    kgr::TSettingMemory memory(File());
    ASSERT_TRUE(memory.Put(Stored(QStringLiteral("峠 [A]=1;\"x\""), kWorked)).Stored);
    ASSERT_TRUE(memory.Put(Stored(QStringLiteral("16T"), kWorked16)).Stored);
    const QByteArray before = [&] {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const std::string a = "--memory '峠 [A]=1;\"x\"'";
    const std::pair<std::string, std::string> same[] = {
        {"--rows 0:3 " + a, "--rows 0:3 " + kWorked},
        {"compare " + a + " -- --memory 16T", "compare " + kWorked + " -- " + kWorked16},
        {"compare --memory 16T -- " + kWorked, "compare " + kWorked16 + " -- " + kWorked},
        {"sprockets --change 5 " + a, "sprockets --change 5 " + kWorked},
        {"--memory=16T --rows=0:3", "--rows 0:3 " + kWorked16},
        {"--memory 16T compare -- " + kWorked, "compare " + kWorked16 + " -- " + kWorked},
    };
    for (const auto& [byTitle, byInputs] : same) {
        const auto stored = RunCalc(byTitle);
        EXPECT_EQ(stored.Status, 0) << byTitle;
        EXPECT_EQ(stored.Output, RunCalc(byInputs).Output) << byTitle;
    }
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before) << "only read";
    EXPECT_EQ(QDir(userData_.filePath(QStringLiteral("kestrigo"))).entryList(QDir::Files),
              QStringList{QStringLiteral("memory.json")});
}

TEST_F(CalcMemory, AnUnknownTitleOrADamagedFileIsAnInputError) {
    const auto missing = RunCalc("--memory nothing", true);
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(Has(missing.Output, "\"nothing\"")) << missing.Output;
    EXPECT_FALSE(QFile::exists(File())) << "never written";

    QDir().mkpath(userData_.filePath(QStringLiteral("kestrigo")));
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{ torn");
    file.close();
    const auto damaged = RunCalc("compare " + kWorked + " -- --memory x", true);
    EXPECT_EQ(damaged.Status, 1);
    EXPECT_TRUE(Has(damaged.Output, File().toStdString())) << damaged.Output;
    EXPECT_EQ(RunCalc("--memory", true).Status, 2);
}

}  // namespace
