// Copying the speed table as tab-separated text for spreadsheets and forum posts: Ctrl+C copies the
// selected cells (the whole table when at most one cell is selected), the context menu's "表をコピー"
// always the whole table.
#pragma once

#include <QString>

class QTableView;
class TSpeedTableModel;

// A copy holds at most this many lines. A spreadsheet takes about a million rows, and the largest
// table (over two million rows) would need hundreds of megabytes of text; beyond this the first
// lines are copied.
inline constexpr int MaxCopiedLines = 100000;

// The whole table as tab-separated lines: the gear-name row and the rpm column included, speeds
// without their padding blanks.
QString WholeTableText(const TSpeedTableModel& model);
// What Ctrl+C copies from the grid: the bounding rectangle of its selected cells, with the
// unselected cells in it left empty; the whole table when it spans at most one cell.
QString SelectedCellsText(const QTableView& grid, const TSpeedTableModel& model);

// Gives the grid its Ctrl+C and its "表をコピー" context menu. The grid must show `model`.
void AddTableCopy(QTableView& grid, const TSpeedTableModel& model);
