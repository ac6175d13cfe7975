#include "app/tableselection.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTableView>
#include <algorithm>

namespace {

// The rpm column is a model column, not a header: presses on it select rows here.
class TRowSelector : public QObject {
  public:
    explicit TRowSelector(QTableView& grid) : QObject(&grid), grid_(grid) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return Press(*static_cast<QMouseEvent*>(event));
            case QEvent::MouseMove:
                return dragging_ && Drag(*static_cast<QMouseEvent*>(event));
            case QEvent::MouseButtonRelease:
                if (!dragging_) return false;
                dragging_ = false;
                return true;
            default:
                return false;
        }
    }

  private:
    bool Press(const QMouseEvent& event) {
        const QModelIndex index = grid_.indexAt(event.position().toPoint());
        if (event.button() != Qt::LeftButton || !index.isValid() || index.column() != 0) return false;
        const Qt::KeyboardModifiers keys = event.modifiers();
        if (!(keys & Qt::ShiftModifier)) anchor_ = index.row();
        const auto how = (keys & Qt::ShiftModifier)
                             ? (keys & Qt::ControlModifier ? QItemSelectionModel::Select
                                                           : QItemSelectionModel::ClearAndSelect)
                         : (keys & Qt::ControlModifier) ? QItemSelectionModel::Toggle
                                                        : QItemSelectionModel::ClearAndSelect;
        SelectRows(index.row(), how);
        dragging_ = true;
        return true;
    }

    bool Drag(const QMouseEvent& event) {
        const int row = grid_.rowAt(event.position().toPoint().y());
        if (row >= 0) SelectRows(row, QItemSelectionModel::ClearAndSelect);
        return true;
    }

    // Rows from the anchor to `row`, every column.
    void SelectRows(int row, QItemSelectionModel::SelectionFlags how) {
        const QAbstractItemModel& model = *grid_.model();
        const int anchor = std::min(anchor_, model.rowCount() - 1);  // the table may have shrunk since
        const int first = std::min(anchor, row);
        const int last = std::max(anchor, row);
        grid_.selectionModel()->select(
            QItemSelection(model.index(first, 0), model.index(last, model.columnCount() - 1)),
            how | QItemSelectionModel::Rows);
        grid_.selectionModel()->setCurrentIndex(model.index(row, 0), QItemSelectionModel::NoUpdate);
    }

    QTableView& grid_;
    int anchor_ = 0;
    bool dragging_ = false;
};

}  // namespace

void AddSpreadsheetSelection(QTableView& grid) {
    grid.setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid.setSelectionBehavior(QAbstractItemView::SelectItems);
    // A pressed gear name selects its column (QTableView's own reaction to a clickable header).
    grid.horizontalHeader()->setSectionsClickable(true);
    grid.viewport()->installEventFilter(new TRowSelector(grid));
}
