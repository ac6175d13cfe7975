// The input fields meet the user halfway: full-width digits as the Japanese input method types them,
// pasted spreadsheet cells, and marks on the fields whose text cannot be read.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>

#include "app/fieldinput.h"
#include "app/fieldmarks.h"
#include "app/speedtablemodel.h"
#include "tests/app/formfixture.h"
#include "tools/replay/useractions.h"

namespace {

class FormInputTest : public FormTest {
  protected:
    void SetUp() override {
        WriteTestCatalogs();
        Open().show();
        ActivateWindowOf(*form_);
    }

    // One keystroke of an input method: text without a Latin key code.
    static void Commit(QLineEdit& field, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(&field, &press);
    }

    static QColor Base(const QLineEdit& field) { return field.palette().color(QPalette::Base); }
};

TEST_F(FormInputTest, FullWidthDigitsAndSignsBecomeAsciiAsTheyAreTypedWithTheCaretInPlace) {
    QLineEdit& tire = *form_->E_Tire;
    TypeAsUser(tire, QStringLiteral("６５０"));
    EXPECT_EQ(tire.text(), "650");
    EXPECT_TRUE(form_->GridModel().Result().Drawn);
    EXPECT_EQ(form_->GridModel().Cells(1, 9), "43.6");  // 8000 rpm on a 650 mm tyre, 3 x 3 x 2.5: 43.56 km/h

    tire.setCursorPosition(1);
    Commit(tire, QStringLiteral("．"));
    EXPECT_EQ(tire.text(), "6.50");
    EXPECT_EQ(tire.cursorPosition(), 2);
    tire.setCursorPosition(0);
    Commit(tire, QStringLiteral("－"));
    Commit(tire, QStringLiteral("\u3000"));
    EXPECT_EQ(tire.text(), "- 6.50");
    EXPECT_EQ(tire.cursorPosition(), 2);
    Commit(tire, QStringLiteral("ｘ"));  // other full-width letters stay, and fail as typed
    EXPECT_EQ(tire.text(), "- ｘ6.50");
}

TEST_F(FormInputTest, APasteTakesTheFirstNonBlankLineTrimmedWhileTypedBlanksStay) {
    const std::pair<QString, QString> pastes[] = {{"650\n", "650"},
                                                  {"650\r\n", "650"},
                                                  {" \t650 \t\r\n", "650"},
                                                  {"\n \r\n\t2.5\t1.8\n3\n", "2.5\t1.8"},
                                                  {"\u3000６５０\u3000", "６５０"},  // mapped when inserted
                                                  {"1 5", "1 5"},
                                                  {" \n\t", ""}};
    for (const auto& [clipboard, inserted] : pastes) EXPECT_EQ(PastedFieldText(clipboard), inserted);

    QLineEdit& tire = *form_->E_Tire;
    PasteAsUser(tire, QStringLiteral("650\r\n"));
    EXPECT_EQ(tire.text(), "650");
    EXPECT_TRUE(form_->GridModel().Result().Drawn);
    PasteAsUser(tire, QStringLiteral("\t６００\n"));
    EXPECT_EQ(tire.text(), "600");
    // The context menu's paste entry trims the same way.
    QGuiApplication::clipboard()->setText(QStringLiteral("5\r\n"));
    tire.selectAll();
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, {5, 5}, tire.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&tire, &menuRequest);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> entries = menu->actions();
    const auto paste = std::find_if(entries.begin(), entries.end(), [](QAction* a) {
        return a->text().endsWith(QStringLiteral("\tCtrl+V"));
    });
    ASSERT_NE(paste, entries.end());
    (*paste)->trigger();
    menu->close();
    EXPECT_EQ(tire.text(), "5");

    TypeAsUser(tire, QStringLiteral(" 650 "));  // typed blanks are the parse rules' business
    EXPECT_EQ(tire.text(), " 650 ");
    TypeAsUser(*form_->E_MaxRPM, QStringLiteral("9 "));
    EXPECT_EQ(form_->E_MaxRPM->text(), "9 ");
    EXPECT_FALSE(form_->GridModel().Result().Drawn);  // no blank may follow an integer
}

TEST_F(FormInputTest, EveryFailingFieldIsMarkedUntilItsTextReads) {
    QLineEdit& tire = *form_->E_Tire;
    QLineEdit& maxRpm = *form_->E_MaxRPM;
    const QColor tinted = Base(tire);
    const QColor bevelled = Base(maxRpm);
    for (const QLineEdit* field : form_->InputFields()) EXPECT_TRUE(field->toolTip().isEmpty());

    TypeAsUser(tire, QStringLiteral("1x"));
    TypeAsUser(maxRpm, QStringLiteral("1.5"));
    TypeAsUser(*form_->E_Ratio2drvn, QStringLiteral("0"));  // parses, but divides by zero
    EXPECT_EQ(tire.toolTip(), "数値を入力してください");
    EXPECT_EQ(maxRpm.toolTip(), "整数を入力してください（1,000 rpm 単位）");
    EXPECT_EQ(form_->E_Ratio2drvn->toolTip(), "0 以外の値を入力してください");
    EXPECT_NE(Base(tire), tinted);
    EXPECT_NE(Base(maxRpm), bevelled);
    EXPECT_EQ(Base(tire), Base(maxRpm));
    int marked = 0;
    for (const QLineEdit* field : form_->InputFields()) marked += field->toolTip().isEmpty() ? 0 : 1;
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(form_->GridModel().RowCount(), 2);  // the failed-input table as before

    TypeAsUser(tire, QStringLiteral("6"));
    TypeAsUser(maxRpm, QStringLiteral("1"));
    TypeAsUser(*form_->E_Ratio2drvn, QStringLiteral("4"));
    for (const QLineEdit* field : form_->InputFields()) EXPECT_TRUE(field->toolTip().isEmpty());
    EXPECT_EQ(Base(tire), tinted);
    EXPECT_EQ(Base(maxRpm), bevelled);
    EXPECT_TRUE(form_->GridModel().Result().Drawn);
}

}  // namespace
