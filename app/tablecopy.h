// Copying the speed table as tab-separated text for spreadsheets and forum posts: Ctrl+C copies the
// selected cells (the whole table when none is selected), the context menu's "表をコピー" always the
// whole table. As `kestrigo-calc --format tsv` writes them, the rpm column holds plain integers under
// the header "rpm", and speeds lose their padding blanks.
#pragma once

#include <QString>

class QTableView;
class TSpeedTableModel;
namespace kgr {
class IMessageSink;
}

// A copy holds at most this many lines. A spreadsheet takes about a million rows, and the largest
// table (over two million rows) would need hundreds of megabytes of text; beyond this the first
// lines are copied, and the user is told so.
inline constexpr int MaxCopiedLines = 100000;

struct TTableCopy {
    QString Text;
    bool Capped = false;  // lines beyond MaxCopiedLines were left out
};

// The whole table as tab-separated lines: the gear-name row and the rpm column included.
TTableCopy WholeTableText(const TSpeedTableModel& model);
// What Ctrl+C copies from the grid: the bounding rectangle of its selected cells, with the
// unselected cells in it left empty; a column selected from top to bottom brings its gear name (or
// "rpm") along. The whole table when nothing is selected.
TTableCopy SelectedCellsText(const QTableView& grid, const TSpeedTableModel& model);

// Gives the grid its Ctrl+C and its "表をコピー" context menu. The grid must show `model`; a copy cut
// short is reported to `messages` (nothing is said when it is null).
void AddTableCopy(QTableView& grid, const TSpeedTableModel& model, kgr::IMessageSink* messages);
