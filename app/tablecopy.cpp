#include "app/tablecopy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <algorithm>

#include "app/speedtablemodel.h"
#include "core/catalogs.h"

namespace {

const char* const kCappedCopy = "表が長いため、先頭の 100,000 行だけをコピーしました";

// Grid rows are the model's rows shifted by the header row.
QRect GridRectOf(const QItemSelection& selection) {
    QRect bounds;
    for (const QItemSelectionRange& range : selection)
        bounds |= QRect(QPoint(range.left(), range.top() + 1), QPoint(range.right(), range.bottom() + 1));
    return bounds;
}

// A column selected from its first row to its last, in one range (a header click, Ctrl+A).
bool IsWholeColumn(const QItemSelection& selection, int column, int rows) {
    return std::any_of(selection.begin(), selection.end(), [&](const QItemSelectionRange& range) {
        return range.left() <= column && column <= range.right() && range.top() == 0 &&
               range.bottom() == rows - 1;
    });
}

// The cell as copied: plain rpm integers under "rpm", speeds without their padding blanks.
QString CopiedCell(const TSpeedTableModel& model, int col, int row) {
    if (col > 0) return model.Cells(col, row).trimmed();
    return row == 0 ? QStringLiteral("rpm") : QString::number(qint64{row - 1} * 1000);
}

// Which grid cells a copy takes: all, or those of a selection.
class TCopiedCells {
  public:
    TCopiedCells(const TSpeedTableModel& model, const QItemSelection* selection)
        : model_(model), selection_(selection) {}

    bool Has(int col, int row) const {
        if (!selection_) return true;
        if (row == 0) return IsWholeColumn(*selection_, col, model_.RowCount() - 1);
        return selection_->contains(model_.index(row - 1, col));
    }

  private:
    const TSpeedTableModel& model_;
    const QItemSelection* selection_;
};

// The cells inside `cells` (grid terms), one line per row, a tab between cells.
TTableCopy GridText(const TSpeedTableModel& model, QRect cells, const TCopiedCells& copied) {
    TTableCopy copy;
    const int lastRow = std::min(cells.bottom(), cells.top() + MaxCopiedLines - 1);
    copy.Capped = lastRow < cells.bottom();
    for (int row = cells.top(); row <= lastRow; ++row) {
        for (int col = cells.left(); col <= cells.right(); ++col) {
            if (col > cells.left()) copy.Text += QLatin1Char('\t');
            if (copied.Has(col, row)) copy.Text += CopiedCell(model, col, row);
        }
        copy.Text += QLatin1Char('\n');
    }
    return copy;
}

void PutOnClipboard(const TTableCopy& copy, kgr::IMessageSink* messages) {
    QGuiApplication::clipboard()->setText(copy.Text);
    if (copy.Capped && messages) messages->ShowError(kCappedCopy);
}

// Ctrl+C reaches the grid before its own handling, which would copy only the current cell.
class TCopyKeyFilter : public QObject {
  public:
    TCopyKeyFilter(QTableView& grid, const TSpeedTableModel& model, kgr::IMessageSink* messages)
        : QObject(&grid), grid_(grid), model_(model), messages_(messages) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &grid_ || event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        PutOnClipboard(SelectedCellsText(grid_, model_), messages_);
        return true;
    }

  private:
    QTableView& grid_;
    const TSpeedTableModel& model_;
    kgr::IMessageSink* messages_;
};

}  // namespace

TTableCopy WholeTableText(const TSpeedTableModel& model) {
    return GridText(model, QRect(0, 0, model.ColCount(), model.RowCount()), TCopiedCells(model, nullptr));
}

TTableCopy SelectedCellsText(const QTableView& grid, const TSpeedTableModel& model) {
    const QItemSelection selection =
        grid.selectionModel() ? grid.selectionModel()->selection() : QItemSelection();
    if (selection.isEmpty()) return WholeTableText(model);
    const TCopiedCells copied(model, &selection);
    QRect cells = GridRectOf(selection);
    // A whole column brings its header along.
    for (int col = cells.left(); col <= cells.right() && cells.top() == 1; ++col)
        if (copied.Has(col, 0)) cells.setTop(0);
    return GridText(model, cells, copied);
}

void AddTableCopy(QTableView& grid, const TSpeedTableModel& model, kgr::IMessageSink* messages) {
    grid.installEventFilter(new TCopyKeyFilter(grid, model, messages));
    auto* copyTable = new QAction(QStringLiteral("表をコピー"), &grid);
    QObject::connect(copyTable, &QAction::triggered, &grid,
                     [&model, messages] { PutOnClipboard(WholeTableText(model), messages); });
    grid.addAction(copyTable);
    grid.setContextMenuPolicy(Qt::ActionsContextMenu);
    // A right click on the gear-name row reaches the header, and from there no scroll area passes a
    // mouse's menu request on to its parent: the header offers the menu itself.
    QHeaderView& header = *grid.horizontalHeader();
    header.addAction(copyTable);
    header.setContextMenuPolicy(Qt::ActionsContextMenu);
}
