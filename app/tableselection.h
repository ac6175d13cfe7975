// The speed table selects as a spreadsheet does: cell ranges by dragging, Shift and Ctrl with the
// mouse and the arrow keys, Ctrl+A for all; a click on a gear name selects its column, one on the rpm
// column its row (Shift and Ctrl extend these too).
#pragma once

class QTableView;

void AddSpreadsheetSelection(QTableView& grid);
