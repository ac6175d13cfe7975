// The setting memory panel through the real widgets: typing a title, 追加, 呼出, 削除 and the boxes they
// raise, with the memory in a folder of each test's own.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/settingmemorypanel.h"
#include "app/speedtablemodel.h"
#include "tests/app/formfixture.h"
#include "tools/replay/useractions.h"

namespace {

class SettingMemoryPanel : public FormTest {
  protected:
    void SetUp() override {
        oldDataHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", userData_.path().toLocal8Bit());
        WriteTestCatalogs();
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", oldDataHome_); }

    QString MemoryFile() const { return userData_.filePath(QStringLiteral("kestrigo/memory.json")); }

    static void Click(QPushButton& button) {
        ActivateWindowOf(button);
        if (button.isEnabled()) button.setFocus(Qt::MouseFocusReason);
        button.click();
    }
    static QStringList Titles(const QListWidget& list) {
        QStringList titles;
        for (int i = 0; i < list.count(); ++i) titles.append(list.item(i)->text());
        return titles;
    }
    static QStringList Column(const TSpeedTableModel& grid, int column) {
        QStringList cells;
        for (int row = 0; row < grid.RowCount(); ++row) cells.append(grid.Cells(column, row));
        return cells;
    }

    QTemporaryDir userData_;
    QByteArray oldDataHome_;
};

TEST_F(SettingMemoryPanel, AddRecallReplaceAndDeleteAsAUserDoes) {
    TForm1& form = Open();
    EXPECT_TRUE(form.GroupBox1->isEnabled());
    EXPECT_FALSE(form.Button2->isEnabled());
    EXPECT_FALSE(form.Button3->isEnabled());
    EXPECT_FALSE(form.Button4->isEnabled());
    TypeAsUser(*form.Edit1, QStringLiteral("   "));
    EXPECT_FALSE(form.Button2->isEnabled()) << "a blank title";

    // Store a setup with a picked drive sprocket, a typed tyre and a typed maximum.
    PickAsUser(*form.C_Ratio2drv, 2);
    TypeAsUser(*form.E_Tire, QStringLiteral("610"));
    TypeAsUser(*form.E_MaxRPM, QStringLiteral("12"));
    const QStringList storedTopGear = Column(form.GridModel(), 5);
    TypeAsUser(*form.Edit1, QStringLiteral("  峠 [A]=1;\"x\" 🏍  "));
    ASSERT_TRUE(form.Button2->isEnabled());
    EXPECT_FALSE(QFile::exists(MemoryFile())) << "nothing written before 追加";
    Click(*form.Button2);
    const QString title = QStringLiteral("峠 [A]=1;\"x\" 🏍");
    EXPECT_EQ(Titles(*form.ListBox1), QStringList{title});
    EXPECT_EQ(form.ListBox1->currentRow(), 0);
    EXPECT_TRUE(form.Button3->isEnabled() && form.Button4->isEnabled());
    TypeAsUser(*form.Edit1, QStringLiteral("second"));
    Click(*form.Button2);
    EXPECT_EQ(form.ListBox1->currentRow(), 1);

    // Change everything, then recall the first entry: the fields, the lists and the result come back.
    PickAsUser(*form.C_Ratio2drv, 1);
    PickAsUser(*form.C_RatioT, 2);
    TypeAsUser(*form.E_MaxRPM, QStringLiteral("9"));
    form.ListBox1->setCurrentRow(0);
    Click(*form.Button3);
    EXPECT_EQ(form.E_MaxRPM->text(), QStringLiteral("12"));
    EXPECT_EQ(form.E_Ratio2drv->text(), QStringLiteral("16"));
    EXPECT_EQ(form.E_Tire->text(), QStringLiteral("610"));
    EXPECT_EQ(form.E_RatioT6->text(), QStringLiteral("0.000"));
    EXPECT_EQ(form.C_Ratio2drv->currentText(), QStringLiteral("16T"));
    EXPECT_EQ(form.C_RatioT->currentText(), QStringLiteral("Five"));
    EXPECT_EQ(form.C_Tire->currentIndex(), 0) << "typed: (USER)";
    EXPECT_EQ(form.Edit1->text(), title);
    EXPECT_EQ(Column(form.GridModel(), 5), storedTopGear);

    // Replacing asks first; "いいえ" changes nothing, "はい" replaces in place.
    TypeAsUser(*form.E_MaxRPM, QStringLiteral("11"));
    messages_.Answer = false;
    Click(*form.Button2);
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_NE(messages_.Messages[0].find(title.toStdString()), std::string::npos);
    messages_.Answer = true;
    Click(*form.Button2);
    EXPECT_EQ(Titles(*form.ListBox1), (QStringList{title, QStringLiteral("second")}));
    EXPECT_EQ(form.SettingMemory().Memory().Entries()[0].Fields[0], QStringLiteral("11"));

    // Deleting asks too.
    messages_.Answer = false;
    Click(*form.Button4);
    EXPECT_EQ(form.ListBox1->count(), 2);
    messages_.Answer = true;
    Click(*form.Button4);
    EXPECT_EQ(Titles(*form.ListBox1), QStringList{QStringLiteral("second")});
    EXPECT_FALSE(form.Button3->isEnabled()) << "nothing selected";
    EXPECT_EQ(messages_.Messages.size(), 4u);

    // A new window lists what was stored; Enter and a double-click recall like 呼出.
    form_.reset();
    TForm1& next = Open();
    EXPECT_EQ(Titles(*next.ListBox1), QStringList{QStringLiteral("second")});
    next.ListBox1->setCurrentRow(0);
    QTest::keyClick(next.ListBox1, Qt::Key_Return);
    EXPECT_EQ(next.E_MaxRPM->text(), QStringLiteral("12"));
    TypeAsUser(*next.E_MaxRPM, QStringLiteral("9"));
    ActivateWindowOf(next);
    QApplication::processEvents();
    const QRect row = next.ListBox1->visualItemRect(next.ListBox1->item(0));
    // As the platform reports a double-click: click, then a second press that arrives as a double-click.
    QTest::mouseClick(next.ListBox1->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(next.ListBox1->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(next.E_MaxRPM->text(), QStringLiteral("12"));
}

TEST_F(SettingMemoryPanel, WhatAnotherWindowSavesShowsWithoutAChangeHere) {
    TForm1& form = Open();
    kgr::TSettingMemory other(MemoryFile());
    ASSERT_TRUE(other.Put({QStringLiteral("other"), {}, {}}).Stored);  // creates folder and file
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.ListBox1->count() == 1; }, 5000));
    form.ListBox1->setCurrentRow(0);
    ASSERT_TRUE(other.Put({QStringLiteral("second"), {}, {}}).Stored);  // replaces the watched file
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.ListBox1->count() == 2; }, 5000));
    EXPECT_EQ(form.ListBox1->currentRow(), 0) << "the selection stays";
    EXPECT_TRUE(messages_.Messages.empty());

    // Stored elsewhere just now, before the file watcher says so: 追加 still asks before replacing it.
    ASSERT_TRUE(other.Put({QStringLiteral("third"), {}, {}}).Stored);
    TypeAsUser(*form.Edit1, QStringLiteral("third"));
    messages_.Answer = false;
    Click(*form.Button2);
    ASSERT_EQ(messages_.Messages.size(), 1u) << "a question";
    EXPECT_EQ(Titles(*form.ListBox1), (QStringList{"other", "second", "third"}));
}

TEST_F(SettingMemoryPanel, ADamagedFileIsReportedOnceAndKeptWhenTheNextEntryIsAdded) {
    QDir().mkpath(userData_.filePath(QStringLiteral("kestrigo")));
    QFile file(MemoryFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"kestrigo-setting-memory\", \"vers");
    file.close();
    TForm1& form = Open();
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_NE(messages_.Messages[0].find(MemoryFile().toStdString()), std::string::npos);
    EXPECT_EQ(form.ListBox1->count(), 0);

    TypeAsUser(*form.Edit1, QStringLiteral("after"));
    Click(*form.Button2);
    ASSERT_EQ(messages_.Messages.size(), 2u);
    EXPECT_NE(messages_.Messages[1].find(MemoryFile().toStdString() + ".damaged-"), std::string::npos);
    EXPECT_EQ(Titles(*form.ListBox1), QStringList{QStringLiteral("after")});
}

TEST_F(SettingMemoryPanel, AnUnwritableFolderShowsWhyAndAddsNoEntry) {
    QFile blocker(userData_.filePath(QStringLiteral("kestrigo")));  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TForm1& form = Open();
    EXPECT_TRUE(messages_.Messages.empty()) << "no file is no damage";
    TypeAsUser(*form.Edit1, QStringLiteral("lost?"));
    Click(*form.Button2);
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_NE(messages_.Messages[0].find("「lost?」は保存されませんでした"), std::string::npos);
    EXPECT_EQ(form.ListBox1->count(), 0);
}

}  // namespace
