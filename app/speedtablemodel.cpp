#include "app/speedtablemodel.h"

#include <QHeaderView>
#include <QTableView>

namespace {

// Cell pitch: the cell plus its one-pixel grid line.
constexpr int kColumnPitch = 64 + 1;
constexpr int kRowPitch = 16 + 1;
const QColor kFixedColor(0xC0, 0xC0, 0xC0);  // clSilver
const QColor kLineColor(0x80, 0x80, 0x80);

}  // namespace

TSpeedTableModel::TSpeedTableModel(QObject* parent) : QAbstractTableModel(parent) {}

QString TSpeedTableModel::Cells(int col, int row) const {
    return QString::fromStdString(result_.Cell(col, row));
}

void TSpeedTableModel::SetResult(kgr::TGearingResult result) {
    const int oldRows = rowCount();
    const int newRows = result.RowCount - 1;
    if (newRows > oldRows) {
        beginInsertRows(QModelIndex(), oldRows, newRows - 1);
        result_ = std::move(result);
        endInsertRows();
    } else if (newRows < oldRows) {
        beginRemoveRows(QModelIndex(), newRows, oldRows - 1);
        result_ = std::move(result);
        endRemoveRows();
    } else {
        result_ = std::move(result);
    }
    // The rows that stayed show new texts: one repaint of what is visible, no per-row work.
    if (const int kept = std::min(oldRows, newRows); kept > 0)
        emit dataChanged(index(0, 0), index(kept - 1, columnCount() - 1), {Qt::DisplayRole});
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int TSpeedTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : result_.RowCount - 1;
}

int TSpeedTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : result_.ColCount();
}

QVariant TSpeedTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return Cells(index.column(), index.row() + 1);
        case Qt::BackgroundRole:
            return index.column() == 0 ? QVariant(kFixedColor) : QVariant();
        default:
            return {};
    }
}

QVariant TSpeedTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return Cells(section, 0);
}

Qt::ItemFlags TSpeedTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // The rpm column is selected with its row (a copy carries it); no cell can be edited.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ApplyStringGridLook(QTableView& grid) {
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid.setWordWrap(false);
    grid.setTextElideMode(Qt::ElideNone);
    grid.setCornerButtonEnabled(false);
    grid.setShowGrid(true);
    grid.setGridStyle(Qt::SolidLine);

    QPalette palette = grid.palette();
    palette.setColor(QPalette::Base, Qt::white);
    grid.setPalette(palette);

    QHeaderView* rows = grid.verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(kRowPitch);

    QHeaderView* columns = grid.horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setMinimumSectionSize(1);
    columns->setDefaultSectionSize(kColumnPitch);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setSectionsClickable(false);
    columns->setFixedHeight(kRowPitch);

    grid.setStyleSheet(
        QStringLiteral("QTableView { gridline-color: %1; }"
                       "QTableView::item { padding: 0px 1px; }"
                       "QHeaderView::section { background-color: %2; color: black;"
                       " border: none; border-right: 1px solid %1; border-bottom: 1px solid %1;"
                       " padding: 0px 2px; }")
            .arg(kLineColor.name(), kFixedColor.name()));
}
