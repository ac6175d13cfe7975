// The preset lists' tooltips and mouse wheel in the window: the tooltip follows the shown entry
// however it changes, and a wheel turn changes the entry only in the list that has the focus.
#include "app/presetlisthints.h"

#include <QtTest/qtestspontaneevent.h>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QTextDocument>
#include <QWheelEvent>

#include "app/presetlist.h"
#include "tests/app/formfixture.h"
#include "tools/replay/useractions.h"

namespace {

// A wheel turn as the window system delivers it over the middle of `widget`: it may give the focus
// to the widget under the mouse and travels up to the parents while nobody accepts it.
void TurnWheelOver(QWidget& widget, int angle) {
    const QPointF middle(widget.width() / 2.0, widget.height() / 2.0);
    QWheelEvent wheel(middle, widget.mapToGlobal(middle), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(&widget, &wheel);
}

class WheelCounter : public QObject {
  public:
    int Turns = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Wheel) ++Turns;
        return false;
    }
};

// The text a tooltip shows: Qt takes a text that looks like markup as rich text.
QString ShownTooltip(const QWidget& widget) {
    const QString tip = widget.toolTip();
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

class PresetHintsTest : public FormTest {
  protected:
    void Start() {
        Open().show();
        ActivateWindowOf(*form_);
    }
};

TEST_F(PresetHintsTest, TheTooltipFollowsTheStartUpSelectionPicksAndTheResetToUser) {
    WriteTestCatalogs();
    Start();
    const char* expected[] = {"P3", "Five", "15T", "45T", "120/70-17"};
    const std::vector<QComboBox*> lists = form_->PresetLists();
    for (size_t i = 0; i < lists.size(); ++i) EXPECT_EQ(lists[i]->toolTip(), expected[i]) << i;

    QComboBox& box = *form_->C_RatioT;
    ASSERT_TRUE(PickAsUser(box, 2));
    EXPECT_EQ(box.toolTip(), "Six");
    TypeAsUser(*form_->E_RatioT2, QStringLiteral("2.1"));
    EXPECT_EQ(box.toolTip(), "(USER)");
}

TEST_F(PresetHintsTest, ALongNameCutByTheListIsWholeInTheTooltip) {
    CopyShippedCatalogs();
    Start();
    QComboBox& box = *form_->C_Ratio1;
    const QString name = QStringLiteral("スズキ GSX1300BK B-King (2008-)");
    const int index = box.findText(name);
    ASSERT_GT(index, 0);
    ASSERT_TRUE(PickAsUser(box, index));
    EXPECT_GT(QFontMetrics(box.font()).horizontalAdvance(name), box.width());
    EXPECT_EQ(box.toolTip(), name);
}

TEST_F(PresetHintsTest, ANameThatLooksLikeMarkupIsShownAsWritten) {
    WriteTestCatalogs();
    WriteCatalog(QStringLiteral("primary.ini"),
                 "[generic]\nnumber=4\ndefault=1\n[info1]\ndescription=CBR <S> spec\nratio=3\n"
                 "[info2]\ndescription=ratio < 3 > 2  (two blanks)\nratio=2\n"
                 "[info3]\ndescription=RS<br>250 &amp; <b>more</b>\nratio=2.5\n"
                 "[info4]\ndescription=Plain & simple\nratio=2.6\n");
    Start();
    QComboBox& box = *form_->C_Ratio1;
    for (int index = 1; index <= 4; ++index) {
        ASSERT_TRUE(PickAsUser(box, index));
        EXPECT_EQ(ShownTooltip(box).toStdString(), box.itemText(index).toStdString());
    }
    EXPECT_EQ(box.toolTip(), "Plain & simple");  // plain names stay as they are
}

TEST(PresetListHints, ARefillOrANewTextOfTheShownEntryRenewsTheTooltip) {
    TPresetListBox box;
    AddPresetListHints(box);
    TPresetList list(box);
    list.AddItem("(USER)");
    list.AddItem("a");
    list.SetItemIndex(1);
    EXPECT_EQ(box.toolTip(), "a");
    box.setItemText(1, QStringLiteral("b"));
    EXPECT_EQ(box.toolTip(), "b");
    list.ClearItems();
    EXPECT_EQ(box.toolTip(), "");
    list.AddItem("(USER)");
    EXPECT_EQ(box.toolTip(), "");  // nothing selected, nothing to show
}

TEST_F(PresetHintsTest, TheWheelOverAListWithoutFocusGoesToItsParent) {
    WriteTestCatalogs();
    Start();
    form_->E_Tire->setFocus(Qt::OtherFocusReason);
    WheelCounter parent;
    form_->Panel1->installEventFilter(&parent);
    const int recalculations = form_->Recalculations();
    for (int angle : {-120, 120, -240}) TurnWheelOver(*form_->C_RatioT, angle);
    EXPECT_EQ(form_->C_RatioT->currentIndex(), 1);
    EXPECT_EQ(form_->E_RatioT1->text(), "2.500");
    EXPECT_EQ(form_->Recalculations(), recalculations);
    EXPECT_EQ(QApplication::focusWidget(), form_->E_Tire);
    EXPECT_EQ(parent.Turns, 3);
}

TEST_F(PresetHintsTest, TheWheelOverTheFocusedListPicksAsBefore) {
    WriteTestCatalogs();
    Start();
    QComboBox& box = *form_->C_RatioT;
    box.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(box.hasFocus());
    TurnWheelOver(box, -120);
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_EQ(form_->E_RatioT6->text(), "1.000");  // picked like a user's pick
    EXPECT_EQ(box.toolTip(), "Six");
    TurnWheelOver(box, 120);
    EXPECT_EQ(box.currentIndex(), 1);
}

TEST_F(PresetHintsTest, EighthsOfANotchOverTheFocusedListPickOnceTheNotchIsWhole) {
    WriteTestCatalogs();
    Start();
    QComboBox& box = *form_->C_RatioT;
    box.setFocus(Qt::TabFocusReason);
    WheelCounter parent;
    form_->Panel1->installEventFilter(&parent);
    const int recalculations = form_->Recalculations();
    for (int eighth = 1; eighth < 8; ++eighth) TurnWheelOver(box, -15);
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(form_->Recalculations(), recalculations);
    TurnWheelOver(box, -15);
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_EQ(form_->E_RatioT6->text(), "1.000");  // picked like a user's pick
    // Half a notch each way picks nothing; a turn back starts a notch afresh.
    TurnWheelOver(box, 60);
    TurnWheelOver(box, -60);
    EXPECT_EQ(box.currentIndex(), 2);
    TurnWheelOver(box, 120);
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(form_->E_RatioT6->text(), "0.000");
    EXPECT_EQ(parent.Turns, 0);  // the list took every turn, whole or not
}

}  // namespace
