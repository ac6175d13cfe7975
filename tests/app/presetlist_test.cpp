// The drop-down list adapter: only a user's pick raises OnSelect, and a filled list keeps "nothing
// selected" until something is chosen. The list's look: pick-only, its row height, elided long names.
#include "app/presetlist.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QMap>
#include <QProxyStyle>
#include <QStyleFactory>

#include "tools/replay/useractions.h"

namespace {

struct ListFixture : ::testing::Test {
    ListFixture() {
        list.OnSelect = [this] { picks.push_back(list.ItemIndex()); };
    }
    QComboBox box;
    TPresetList list{box};
    std::vector<int> picks;
};

TEST_F(ListFixture, AddingItemsSelectsNothing) {
    list.AddItem("(USER)");
    list.AddItem("スズキ");
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(box.itemText(1), "スズキ");
}

TEST_F(ListFixture, ASelectionByTheProgramRaisesNoPick) {
    list.AddItem("(USER)");
    list.AddItem("a");
    list.SetItemIndex(1);
    EXPECT_EQ(list.ItemIndex(), 1);
    list.AddItem("b");
    EXPECT_EQ(list.ItemIndex(), 1);  // a selection survives further items
    list.SetItemIndex(5);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_TRUE(picks.empty());
}

TEST_F(ListFixture, AUserPickRaisesOnePickWithTheNewSelection) {
    list.AddItem("(USER)");
    list.AddItem("a");
    ASSERT_TRUE(PickAsUser(box, 1));
    ASSERT_TRUE(PickAsUser(box, 1));  // picking the shown entry again is still a pick
    EXPECT_EQ(picks, (std::vector<int>{1, 1}));
    EXPECT_FALSE(PickAsUser(box, 2));
    EXPECT_FALSE(PickAsUser(box, -1));
    EXPECT_EQ(picks.size(), 2u);
}

TEST_F(ListFixture, ClearingLeavesAnEmptyListWithNothingSelected) {
    list.AddItem("(USER)");
    list.SetItemIndex(0);
    list.ClearItems();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(0);  // "(USER)" on an empty list selects nothing
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(ListFixture, ManyItemsAtOnceKeepOrderAndSelection) {
    list.AddItem("(USER)");
    std::vector<std::string> many;
    for (int i = 1; i <= 1000; ++i) many.push_back("エントリー " + std::to_string(i));
    list.AddItems(many);
    EXPECT_EQ(list.ItemCount(), 1001);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(box.itemText(0), "(USER)");
    EXPECT_EQ(box.itemText(1000), "エントリー 1000");
    list.SetItemIndex(500);
    list.AddItems({"a", "b"});
    EXPECT_EQ(list.ItemIndex(), 500);
    EXPECT_EQ(box.currentText(), "エントリー 500");
    list.AddItems({});
    EXPECT_EQ(list.ItemCount(), 1003);
    EXPECT_TRUE(picks.empty());
}

TEST_F(ListFixture, TheBoxOwnEditingStillWorksOnTheList) {
    list.AddItems({"(USER)", "a", "c"});
    box.insertItem(2, QStringLiteral("b"));
    box.setItemText(0, QStringLiteral("(USER) "));
    EXPECT_EQ(list.ItemCount(), 4);
    EXPECT_EQ(box.itemText(2), "b");
    EXPECT_EQ(box.itemText(0), "(USER) ");
    box.setItemData(2, QStringLiteral("tip"), Qt::ToolTipRole);
    box.removeItem(1);
    EXPECT_EQ(box.itemText(1), "b");
    EXPECT_EQ(box.itemData(1, Qt::ToolTipRole).toString(), "tip");  // other roles move with their row
    EXPECT_EQ(box.itemData(2, Qt::ToolTipRole).toString(), "c");    // without its own, the full name
    box.clear();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(PresetListLook, ListsArePickOnly) {
    TPresetListBox box;
    EXPECT_FALSE(box.isEditable());
}

TEST(PresetListLook, OpenRowsAreTwelvePixelsOrAsHighAsTheFontNeeds) {
    TPresetListBox box;
    box.addItem(QStringLiteral("(USER)"));
    QFont font = box.font();
    for (int pixels : {9, 12, 16}) {
        font.setPixelSize(pixels);
        box.setFont(font);
        box.showPopup();
        const int row = box.view()->sizeHintForRow(0);
        EXPECT_EQ(row, std::max(12, QFontMetrics(box.view()->font()).height())) << pixels;
        box.hidePopup();
    }
}

TEST(PresetListLook, TheListIsBuiltOnlyWhenItFirstOpens) {
    QWidget window;
    auto* box = new TPresetListBox(&window);
    box->addItem(QStringLiteral("(USER)"));
    window.show();
    EXPECT_TRUE(box->findChildren<QAbstractItemView*>().empty());
    box->showPopup();
    EXPECT_EQ(box->findChildren<QAbstractItemView*>().size(), 1U);
    box->hidePopup();
}

// Notes the name each part of the list draws: the closed box's label as drawn, and the open list's
// row as handed to the style, which elides it by the mode given when it is wider than its room.
class TDrawnNames : public QProxyStyle {
  public:
    TDrawnNames() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* label = qstyleoption_cast<const QStyleOptionComboBox*>(option);
            label && element == CE_ComboBoxLabel)
            closed = label->currentText;
        if (const auto* row = qstyleoption_cast<const QStyleOptionViewItem*>(option);
            row && element == CE_ItemViewItem) {
            const int room = subElementRect(SE_ItemViewItemText, row, widget).width();
            open[row->index.row()] = row->fontMetrics.horizontalAdvance(row->text) <= room
                                         ? row->text
                                         : row->fontMetrics.elidedText(row->text, row->textElideMode, room);
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QString closed;
    mutable QMap<int, QString> open;  // by row
};

TEST(PresetListLook, ANameTooLongForTheListEndsInAnEllipsisAndKeepsItsFullText) {
    TDrawnNames style;
    QWidget window;
    auto* box = new TPresetListBox(&window);
    box->setStyle(&style);
    box->setGeometry(0, 0, 120, 20);
    TPresetList list(*box);
    // Wider than the closed box, and than any drop-down the screen has room for.
    const QString longName = QStringLiteral("スズキ GSX1300BK B-King ") + QString(300, QLatin1Char('x'));
    list.AddItems({"(USER)", longName.toStdString()});
    window.show();
    for (const auto& [index, elided] : {std::pair{0, false}, std::pair{1, true}}) {
        list.SetItemIndex(index);
        const QString name = box->itemText(index);
        const bool cut = elided;  // clang 14 cannot capture a structured binding
        const auto shownAsExpected = [&](const QString& drawn) {
            return cut ? drawn.endsWith(QChar(0x2026)) && name.startsWith(drawn.chopped(1)) : drawn == name;
        };
        box->grab();
        EXPECT_TRUE(shownAsExpected(style.closed)) << index;
        box->showPopup();
        box->view()->setStyle(&style);
        box->view()->scrollTo(box->view()->model()->index(index, 0));
        box->view()->viewport()->grab();
        EXPECT_TRUE(shownAsExpected(style.open[index])) << index;
        box->hidePopup();
        EXPECT_EQ(box->itemData(index, Qt::ToolTipRole).toString(), name) << index;
    }
    EXPECT_EQ(box->itemText(1), longName);
}

}  // namespace
