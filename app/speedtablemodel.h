// The speed table behind StringGrid1: a view over the cells of a gearing result, formatted when the
// grid paints them, so a recalculation costs the same whatever the number of rows.
#pragma once

#include <QAbstractTableModel>

#include "core/gearing.h"

class QTableView;

// Grid column 0 (the row labels) is model column 0, painted as a fixed cell; grid row 0 (the gear
// names) is the view's horizontal header, so it stays in place when the rows scroll.
class TSpeedTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit TSpeedTableModel(QObject* parent = nullptr);

    // Shows a new result. Rows common to the old and new table are only repainted.
    void SetResult(kgr::TGearingResult result);
    const kgr::TGearingResult& Result() const { return result_; }

    // The grid's own terms: the fixed row and column included.
    int ColCount() const { return result_.ColCount(); }
    int RowCount() const { return result_.RowCount; }
    QString Cells(int col, int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    kgr::TGearingResult result_;
};

// The string grid's look: cells 64 x 16 with one-pixel lines, fixed cells in silver, a vertical
// scroll bar only, no editing, no resizing. How it selects is tableselection.h's.
void ApplyStringGridLook(QTableView& grid);
