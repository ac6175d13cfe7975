// The speed table model: grid terms over the view's terms, fixed cells, and row changes that touch
// only the difference between the old and the new table.
#include "app/speedtablemodel.h"

#include <gtest/gtest.h>

#include <QTableView>

#include "core/gearing.h"

namespace {

kgr::TGearingResult Compute(const char* maxK, const char* gear1 = "2.5") {
    kgr::TGearingInputs in{maxK, "6", "8", "3", "15", "45", "600", {gear1, "1.8", "1.4", "1.15", "1", "0"}};
    return kgr::ComputeGearing(in, '.');
}

struct RowSignals {
    explicit RowSignals(TSpeedTableModel& model) {
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, [this] { ++inserted; });
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [this] { ++removed; });
        QObject::connect(&model, &QAbstractItemModel::modelReset, [this] { ++resets; });
        QObject::connect(&model, &QAbstractItemModel::dataChanged, [this] { ++changed; });
    }
    int inserted = 0, removed = 0, resets = 0, changed = 0;
};

TEST(SpeedTableModel, GridRowZeroIsTheHeaderAndGridColumnZeroAFixedColumn) {
    TSpeedTableModel model;
    model.SetResult(Compute("10"));
    EXPECT_EQ(model.RowCount(), 12);
    EXPECT_EQ(model.ColCount(), 7);
    EXPECT_EQ(model.rowCount(), 11);
    EXPECT_EQ(model.columnCount(), 7);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "1st");
    EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());
    EXPECT_EQ(model.data(model.index(8, 0)).toString(), "8000rpm");
    EXPECT_EQ(model.data(model.index(8, 1)).toString(), "40.2");
    EXPECT_EQ(model.data(model.index(8, 6)).toString(), " 0.0");

    // Fixed cells are silver, yet selected with their row (a copy carries them); no cell can be edited.
    EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::BackgroundRole).isValid());
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsSelectable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
}

TEST(SpeedTableModel, OnlyTheHeaderRowIsLeftForANegativeMaximum) {
    TSpeedTableModel model;
    model.SetResult(Compute("-1"));
    EXPECT_EQ(model.RowCount(), 1);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.headerData(6, Qt::Horizontal).toString(), "6th");
}

TEST(SpeedTableModel, ARecalculationWithTheSameRowsOnlyRepaints) {
    TSpeedTableModel model;
    model.SetResult(Compute("10"));
    RowSignals counts(model);
    model.SetResult(Compute("10", "2"));
    EXPECT_EQ(counts.inserted + counts.removed + counts.resets, 0);
    EXPECT_EQ(counts.changed, 1);
    EXPECT_EQ(model.Cells(1, 9), "50.3");
}

TEST(SpeedTableModel, GrowingAndShrinkingTouchOnlyTheDifference) {
    TSpeedTableModel model;
    model.SetResult(Compute("10"));
    RowSignals counts(model);
    model.SetResult(Compute("20"));
    EXPECT_EQ(counts.inserted, 1);
    EXPECT_EQ(model.rowCount(), 21);
    model.SetResult(Compute("x"));  // failed input: header and the 0rpm row
    EXPECT_EQ(counts.removed, 1);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.Cells(0, 1), "0rpm");
    EXPECT_EQ(model.Cells(1, 1), "");
    EXPECT_EQ(counts.resets, 0);
}

TEST(SpeedTableModel, TheLargestTableIsShownWithoutFormattingItsRows) {
    QTableView view;
    TSpeedTableModel model;
    view.setModel(&model);
    ApplyStringGridLook(view);
    model.SetResult(Compute("2147483"));
    EXPECT_EQ(model.RowCount(), 2147485);
    EXPECT_EQ(model.Cells(0, 2147484), "2147483000rpm");
    EXPECT_EQ(model.Cells(0, 2147485), "");
    view.scrollToBottom();
    model.SetResult(Compute("2147483", "2"));  // same rows: one repaint
    EXPECT_EQ(view.model()->rowCount(), 2147484);
}

}  // namespace
