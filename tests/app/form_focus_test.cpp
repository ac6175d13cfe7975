// Where Tab and Shift+Tab take the focus in the shown window, on either tab, and what the table tab
// holds when it is first shown.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <string>
#include <vector>

#include "app/speedtablemodel.h"
#include "tests/app/formfixture.h"
#include "tools/replay/useractions.h"

namespace {

std::string NameOf(const QWidget* widget) {
    if (widget == nullptr) return "(none)";
    return widget->objectName().isEmpty() ? widget->metaObject()->className()
                                          : widget->objectName().toStdString();
}

class FormFocusTest : public FormTest {
  protected:
    void SetUp() override {
        WriteTestCatalogs();
        Open().show();
        ActivateWindowOf(*form_);
    }

    // The focus after each of `count` presses of `key`, starting in `start`.
    std::vector<std::string> Travel(QWidget* start, Qt::Key key, int count) {
        start->setFocus(Qt::OtherFocusReason);
        std::vector<std::string> stops;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key,
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            stops.push_back(NameOf(QApplication::focusWidget()));
        }
        return stops;
    }
};

TEST_F(FormFocusTest, OnTheChartTabTabRunsThroughTheTabsAndTheInputsInTheirOrder) {
    form_->PageControl1->setCurrentIndex(1);
    // The setting memory's title and list come between the tabs and the inputs, as the window's
    // children were made; its buttons join once they can act.
    const std::vector<std::string> forward = {"qt_tabwidget_tabbar",
                                              "Edit1",
                                              "ListBox1",
                                              "C_Ratio1",
                                              "E_Ratio1",
                                              "E_MaxRPM",
                                              "E_PBLow",
                                              "E_PBHigh",
                                              "C_RatioT",
                                              "E_RatioT1",
                                              "E_RatioT2",
                                              "E_RatioT3",
                                              "E_RatioT4",
                                              "E_RatioT5",
                                              "E_RatioT6",
                                              "C_Ratio2drv",
                                              "E_Ratio2drv",
                                              "C_Ratio2drvn",
                                              "E_Ratio2drvn",
                                              "C_Tire",
                                              "E_Tire"};
    EXPECT_EQ(Travel(form_->E_Tire, Qt::Key_Tab, 21), forward);
    std::vector<std::string> backward(forward.rbegin() + 1, forward.rend());
    backward.push_back("E_Tire");
    EXPECT_EQ(Travel(form_->E_Tire, Qt::Key_Backtab, 21), backward);
}

TEST_F(FormFocusTest, OnTheTableTabTheTableFollowsTheTabsAndKeepsTab) {
    form_->PageControl1->setCurrentIndex(0);
    EXPECT_EQ(Travel(form_->E_Tire, Qt::Key_Tab, 3),
              (std::vector<std::string>{"qt_tabwidget_tabbar", "StringGrid1", "StringGrid1"}));
    EXPECT_EQ(Travel(form_->PageControl1->tabBar(), Qt::Key_Backtab, 1), std::vector<std::string>{"E_Tire"});
}

TEST_F(FormFocusTest, TheTableShownFirstLaterHoldsTheCurrentResult) {
    TypeAsUser(*form_->E_MaxRPM, QStringLiteral("9"));
    form_->PageControl1->setCurrentIndex(0);
    QApplication::processEvents();
    ASSERT_NE(form_->StringGrid1, nullptr);
    const QTableView& grid = *form_->StringGrid1;
    EXPECT_TRUE(grid.isVisible());
    EXPECT_EQ(grid.geometry(), QRect(0, 0, 477, 277));
    EXPECT_EQ(grid.model(), &form_->GridModel());
    EXPECT_EQ(grid.model()->rowCount(), form_->GridModel().rowCount());
    EXPECT_EQ(grid.horizontalHeader()->defaultSectionSize(), 65);
}

}  // namespace
