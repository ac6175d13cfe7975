// Copying from the window: the table as tab-separated text (Ctrl+C and the context menu) and the
// chart as a picture, read back from the clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest/QTest>

#include "app/speedtablemodel.h"
#include "app/tablecopy.h"
#include "chart/chart.h"
#include "tests/app/formfixture.h"
#include "tools/replay/useractions.h"

namespace {

// Chooses the only entry of a widget's context menu, as the menu would; the menu itself is modal.
void ChooseFromMenu(QWidget& widget, const QString& text) {
    EXPECT_EQ(widget.contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_EQ(widget.actions().size(), 1);
    QAction& action = *widget.actions().front();
    ASSERT_EQ(action.text(), text);
    action.trigger();
}

// A right click at `at` in `target`, delivered as the window system delivers it (to the widget under
// the mouse, travelling up to the parents while nobody takes it). The menu that opens is closed at
// once; returns its action, or null when no menu opened.
QAction* RightClickMenuAt(QWidget& target, QPoint at) {
    QAction* only = nullptr;
    bool opened = false;
    const QObject scope;  // a call still pending when this returns is dropped
    QTimer::singleShot(0, &scope, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        opened = true;
        if (menu->actions().size() == 1) only = menu->actions().front();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target.mapToGlobal(at));
    QApplication::sendEvent(&target, &event);
    QApplication::processEvents();  // the timer, when no menu ran an event loop
    EXPECT_TRUE(opened) << target.metaObject()->className();
    return only;
}

QStringList ClipboardLines() {
    QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
    text.chop(1);
    return text.split(QLatin1Char('\n'));
}

class FormCopyTest : public FormTest {
  protected:
    void SetUp() override {
        WriteTestCatalogs();
        Open().show();
        ActivateWindowOf(*form_);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    // The table tab in front, where the user finds the table.
    QTableView& Grid() {
        form_->PageControl1->setCurrentIndex(0);
        return *form_->StringGrid1;
    }

    // The chart tab in front and painted: what the user sees.
    QImage ShownChart() {
        form_->PageControl1->setCurrentIndex(1);
        QApplication::processEvents();
        form_->Chart1->repaint();
        const QImage shown = form_->Chart1->LastImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_FALSE(shown.isNull());
        return shown;
    }

    void PressCtrlC() {
        form_->PageControl1->setCurrentIndex(0);
        Grid().setFocus(Qt::OtherFocusReason);
        QTest::keyClick(&Grid(), Qt::Key_C, Qt::ControlModifier);
    }

    // Selects model cells (row, column) as Ctrl+clicks do.
    void Select(std::initializer_list<std::pair<int, int>> cells) {
        QItemSelectionModel& selection = *Grid().selectionModel();
        selection.clearSelection();
        for (auto [row, col] : cells)
            selection.select(Grid().model()->index(row, col), QItemSelectionModel::Select);
    }
};

// 8000 and 10000 rpm with the test catalogs' defaults (primary 3, 15/45, tyre 599.8 mm, no 6th gear),
// worked by hand; the rpm column as kestrigo-calc --format tsv writes it.
const QString kHeader = QStringLiteral("rpm\t1st\t2nd\t3rd\t4th\t5th\t6th");
const QString k8000 = QStringLiteral("8000\t40.2\t55.8\t71.8\t87.4\t100.5\t0.0");
const QString k9000 = QStringLiteral("9000\t45.2\t62.8\t80.8\t98.3\t113.1\t0.0");
const QString k10000 = QStringLiteral("10000\t50.2\t69.8\t89.7\t109.2\t125.6\t0.0");

TEST_F(FormCopyTest, TheTableMenuCopiesTheWholeTableWithHeaderRowAndRpmColumn) {
    Select({{8, 1}, {9, 2}});  // the menu ignores the selection
    ChooseFromMenu(Grid(), QStringLiteral("表をコピー"));
    const QStringList lines = ClipboardLines();
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1], QStringLiteral("0\t0.0\t0.0\t0.0\t0.0\t0.0\t0.0"));
    EXPECT_EQ(lines[9], k8000);
    EXPECT_EQ(lines[11], k10000);
    // Every speed as the grid shows it, only without the padding blanks of "%4.1f".
    const TSpeedTableModel& model = form_->GridModel();
    for (int row = 1; row < lines.size(); ++row) {
        const QStringList fields = lines[row].split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 7) << row;
        EXPECT_EQ(fields[0], QString::number((row - 1) * 1000));
        for (int col = 1; col < 7; ++col) {
            EXPECT_EQ(fields[col], model.Cells(col, row).trimmed()) << col << "," << row;
            EXPECT_FALSE(fields[col].contains(QLatin1Char(' '))) << col << "," << row;
        }
    }

    TypeAsUser(*form_->E_Ratio1, QStringLiteral("x"));  // a failed input: its speeds are empty fields
    ChooseFromMenu(Grid(), QStringLiteral("表をコピー"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kHeader + QStringLiteral("\n0\t\t\t\t\t\t\n"));
}

TEST_F(FormCopyTest, TheTableMenuOpensWhereverTheTableIsRightClicked) {
    QTableView& grid = Grid();
    TypeAsUser(*form_->E_MaxRPM, QStringLiteral("100"));  // a scroll bar, which keeps its own menu
    QApplication::processEvents();
    const std::pair<QWidget*, QPoint> places[] = {
        {grid.viewport(), {100, 40}},                     // a speed cell
        {grid.viewport(), {20, 40}},                      // a row label
        {grid.horizontalHeader()->viewport(), {100, 8}},  // the gear names
        {grid.horizontalHeader()->viewport(), {20, 8}}};  // the corner cell
    for (const auto& [widget, at] : places) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QAction* copy = RightClickMenuAt(*widget, at);
        ASSERT_NE(copy, nullptr) << at.x() << "," << at.y();
        EXPECT_EQ(copy->text(), QStringLiteral("表をコピー"));
        copy->trigger();
        EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(kHeader + QLatin1Char('\n')));
        EXPECT_EQ(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 102);
    }
}

TEST_F(FormCopyTest, CtrlCCopiesTheWholeTableWithNothingSelectedAndOneCellWithOne) {
    PressCtrlC();
    const QString none = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(none.startsWith(kHeader + QLatin1Char('\n')));
    EXPECT_EQ(none.count(QLatin1Char('\n')), 12);

    Grid().setCurrentIndex(Grid().model()->index(8, 1));  // as a click on the cell does
    ASSERT_EQ(Grid().selectionModel()->selection().size(), 1);
    PressCtrlC();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "40.2\n");
}

TEST_F(FormCopyTest, RangesRowsColumnsAndAllAreSelectedAsInASpreadsheetAndCopiedExactly) {
    QTableView& grid = Grid();
    QApplication::processEvents();
    const auto cellCentre = [&](int row, int col) {
        return grid.visualRect(grid.model()->index(row, col)).center();
    };
    const auto copied = [&] {
        PressCtrlC();
        return QGuiApplication::clipboard()->text();
    };
    // A click, then a Shift+click: the range between them; Shift+Down extends it by a row.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(8, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(9, 2));
    EXPECT_EQ(copied(), "40.2\t55.8\n45.2\t62.8\n");
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(copied(), "40.2\t55.8\n45.2\t62.8\n50.2\t69.8\n");

    // The rpm column selects rows, Shift extends them, Ctrl adds cells: the rest stays empty.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(8, 0));
    EXPECT_EQ(copied(), k8000 + QLatin1Char('\n'));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(10, 0));
    EXPECT_EQ(copied(), QStringList({k8000, k9000, k10000, {}}).join(QLatin1Char('\n')));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(9, 5));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(10, 6));
    EXPECT_EQ(copied(), "113.1\t\n\t0.0\n");

    // A gear name selects its column, header included; Ctrl+A all, as "表をコピー" copies it.
    QHeaderView& header = *grid.horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header.sectionViewportPosition(2) + 10, 8));
    const QStringList column = copied().split(QLatin1Char('\n'));
    ASSERT_EQ(column.size(), 13);
    EXPECT_EQ(column[0], "2nd");
    EXPECT_EQ(column[9], "55.8");
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    const QString all = copied();
    ChooseFromMenu(grid, QStringLiteral("表をコピー"));
    EXPECT_EQ(all, QGuiApplication::clipboard()->text());
    EXPECT_TRUE(messages_.Messages.empty());
}

TEST_F(FormCopyTest, CtrlCCopiesSeveralSelectedCellsWithinTheirBoundingRectangle) {
    Select({{8, 1}, {8, 2}, {10, 1}, {10, 2}});
    PressCtrlC();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("40.2\t55.8\n\t\n50.2\t69.8\n"));

    Select({{8, 5}, {10, 6}});  // cells left out of the selection stay empty
    PressCtrlC();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("100.5\t\n\t\n\t0.0\n"));
}

TEST_F(FormCopyTest, TheLargestTableCopiesItsFirstLinesOnlyAndSaysSo) {
    TypeAsUser(*form_->E_MaxRPM, QStringLiteral("2147483"));
    ASSERT_EQ(form_->GridModel().RowCount(), 2147485);
    ChooseFromMenu(Grid(), QStringLiteral("表をコピー"));
    QStringList lines = ClipboardLines();
    ASSERT_EQ(lines.size(), MaxCopiedLines);
    EXPECT_EQ(lines.front(), kHeader);
    EXPECT_EQ(lines[9], k8000);
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("99998000\t")));
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_EQ(messages_.Messages[0], "表が長いため、先頭の 100,000 行だけをコピーしました");

    // A selection of every speed cell (whole columns: their names come along) is bounded the same way.
    const QAbstractItemModel& model = *Grid().model();
    Grid().selectionModel()->select(QItemSelection(model.index(0, 1), model.index(model.rowCount() - 1, 6)),
                                    QItemSelectionModel::ClearAndSelect);
    PressCtrlC();
    lines = ClipboardLines();
    ASSERT_EQ(lines.size(), MaxCopiedLines);
    EXPECT_EQ(lines[0], kHeader.section(QLatin1Char('\t'), 1));
    EXPECT_EQ(lines[9], k8000.section(QLatin1Char('\t'), 1));
    EXPECT_EQ(lines.back().count(QLatin1Char('\t')), 5);
    EXPECT_EQ(messages_.Messages.size(), 2u);
}

TEST_F(FormCopyTest, TheChartMenuCopiesTheImageTheChartShowsEvenFromTheHiddenTab) {
    const QImage before = ShownChart();
    ChooseFromMenu(*form_->Chart1, QStringLiteral("グラフをコピー"));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), before);

    form_->PageControl1->setCurrentIndex(0);
    TypeAsUser(*form_->E_RatioT1, QStringLiteral("3.5"));  // no paint since
    ChooseFromMenu(*form_->Chart1, QStringLiteral("グラフをコピー"));
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.size(), QSize(473, 272));
    EXPECT_NE(copied, before);
    EXPECT_EQ(copied, ShownChart());
}

TEST_F(FormCopyTest, MouseButtonsOnTheChartNeitherZoomNorPanNorCopy) {
    TChart& chart = *form_->Chart1;
    const QImage before = ShownChart();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        const std::pair<QEvent::Type, QPointF> drag[] = {{QEvent::MouseButtonPress, {100, 60}},
                                                         {QEvent::MouseMove, {300, 200}},
                                                         {QEvent::MouseButtonRelease, {300, 200}}};
        for (const auto& [type, at] : drag) {
            QMouseEvent event(type, at, chart.mapToGlobal(at),
                              type == QEvent::MouseMove ? Qt::NoButton : button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
            QApplication::sendEvent(&chart, &event);
        }
    }
    EXPECT_EQ(ShownChart(), before);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

}  // namespace
