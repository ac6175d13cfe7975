// Helpers shared by the gearing tests.
#pragma once

#include <string>
#include <vector>

#include "core/gearing.h"

namespace kgr::test {

// The worked drive train: maxK 10, band 6-8, primary 3, 15/45, tyre 600, gears 2.5 1.8 1.4 1.15 1 0.
inline TGearingInputs WorkedInputs() {
    return {"10", "6", "8", "3", "15", "45", "600", {"2.5", "1.8", "1.4", "1.15", "1", "0"}};
}

inline std::vector<std::string> Row(const TGearingResult& result, int row) {
    std::vector<std::string> cells;
    for (int col = 0; col < result.ColCount(); ++col) cells.push_back(result.Cell(col, row));
    return cells;
}

}  // namespace kgr::test
