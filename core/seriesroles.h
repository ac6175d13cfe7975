// The gear chart's thirteen series by role, in the order they are listed in the chart. The core
// fills them in this order, the window feeds them by these indexes and the chart configuration
// creates them in it, so the order is written down only here.
#pragma once

#include "core/gearinginputs.h"

namespace kgr {

constexpr int ChartSeriesCount = 1 + 2 * GearCount;

// The hatched power-band rectangle, drawn first so the lines lie over it.
constexpr int PowerBandIndex = 0;

// Gear g (1 ... 6): the thick coloured line over the part used when shifting at the top of the band.
constexpr int GearLineIndex(int g) {
    return g;
}

// Gear g (1 ... 6): the thin silver line over the whole engine speed range.
constexpr int WholeRangeLineIndex(int g) {
    return GearCount + g;
}

}  // namespace kgr
