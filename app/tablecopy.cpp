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

namespace {

// Grid rows are the model's rows shifted by the header row.
QRect GridRectOf(const QItemSelection& selection) {
    QRect bounds;
    for (const QItemSelectionRange& range : selection)
        bounds |= QRect(QPoint(range.left(), range.top() + 1), QPoint(range.right(), range.bottom() + 1));
    return bounds;
}

// The cells inside `cells` (grid terms), one line per row, a tab between cells, speeds without their
// padding blanks; with a selection, the cells outside it come out empty.
QString GridText(const TSpeedTableModel& model, QRect cells, const QItemSelection* selection) {
    QString text;
    const int lastRow = std::min(cells.bottom(), cells.top() + MaxCopiedLines - 1);
    for (int row = cells.top(); row <= lastRow; ++row) {
        for (int col = cells.left(); col <= cells.right(); ++col) {
            if (col > cells.left()) text += QLatin1Char('\t');
            if (!selection || selection->contains(model.index(row - 1, col)))
                text += model.Cells(col, row).trimmed();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

// Ctrl+C reaches the grid before its own handling, which would copy only the current cell.
class TCopyKeyFilter : public QObject {
  public:
    TCopyKeyFilter(QTableView& grid, const TSpeedTableModel& model)
        : QObject(&grid), grid_(grid), model_(model) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &grid_ || event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        QGuiApplication::clipboard()->setText(SelectedCellsText(grid_, model_));
        return true;
    }

  private:
    QTableView& grid_;
    const TSpeedTableModel& model_;
};

}  // namespace

QString WholeTableText(const TSpeedTableModel& model) {
    return GridText(model, QRect(0, 0, model.ColCount(), model.RowCount()), nullptr);
}

QString SelectedCellsText(const QTableView& grid, const TSpeedTableModel& model) {
    const QItemSelection selection =
        grid.selectionModel() ? grid.selectionModel()->selection() : QItemSelection();
    const QRect cells = GridRectOf(selection);
    if (cells.width() * qint64{cells.height()} <= 1) return WholeTableText(model);
    return GridText(model, cells, &selection);
}

void AddTableCopy(QTableView& grid, const TSpeedTableModel& model) {
    grid.installEventFilter(new TCopyKeyFilter(grid, model));
    auto* copyTable = new QAction(QStringLiteral("表をコピー"), &grid);
    QObject::connect(copyTable, &QAction::triggered, &grid,
                     [&model] { QGuiApplication::clipboard()->setText(WholeTableText(model)); });
    grid.addAction(copyTable);
    grid.setContextMenuPolicy(Qt::ActionsContextMenu);
    // A right click on the gear-name row reaches the header, and from there no scroll area passes a
    // mouse's menu request on to its parent: the header offers the menu itself.
    QHeaderView& header = *grid.horizontalHeader();
    header.addAction(copyTable);
    header.setContextMenuPolicy(Qt::ActionsContextMenu);
}
