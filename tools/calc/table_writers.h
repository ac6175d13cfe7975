// The default form's outputs: the whole result as JSON, or the speed table as csv/tsv.
#pragma once

#include <optional>
#include <ostream>
#include <utility>

#include "core/gearing.h"
#include "tools/calc/arguments.h"

namespace kcalc {

using TRowRange = std::pair<long long, long long>;  // rows first ... second - 1

// The rows asked for, or all rows, or rows 0 ... 99 of a table over 10000 rows; within the table.
TRowRange VisibleRows(const kgr::TGearingResult& result, std::optional<TRowRange> asked);

// Both writers stop early once `out` fails (a closed pipe), rather than format rows nobody reads.

// Without units (or in km/h) exactly the historical JSON; mph adds "Units" and converts every speed.
void WriteTableJson(std::ostream& out, const kgr::TGearingResult& result, TRowRange rows,
                    const TUnits& units);

// A header row, then one line per table row in the range (the table's own header row is the
// header); rpm as an integer, speeds as the cell texts without padding, fields split by `between`.
void WriteTableDelimited(std::ostream& out, const kgr::TGearingResult& result, TRowRange rows,
                         const TUnits& units, char between);

}  // namespace kcalc
