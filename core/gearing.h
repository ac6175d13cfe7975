// The whole gearing computation without any user interface: thirteen input texts in, the speed
// table and the chart's content out. The table can have millions of rows, so the result keeps only
// the parsed inputs and formats a cell when it is asked for.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/gearinginputs.h"
#include "core/seriesroles.h"

namespace kgr {

// One chart point: x is road speed in km/h, y engine speed in rpm.
struct TPointXY {
    double x = 0;
    double y = 0;
};

// The power-band rectangle of the shape series.
struct TPowerBand {
    double X0 = 0;
    double Y0 = 0;
    double X1 = 0;
    double Y1 = 0;
};

class TGearingResult {
  public:
    static constexpr int kColCount = 1 + GearCount;  // the rpm labels, then one per gear

    // False when an input failed, primary, drive or driven is 0, or a result left the double range.
    bool Drawn = false;
    // maxK + 2, at least 1; column 0 and row 0 are headers.
    int RowCount = 1;
    // Largest speed in the table, never below 0.
    double MaxSpeed = 0;
    // The lines' points by chart series index (seriesroles.h); the power band's entry stays empty.
    std::array<std::vector<TPointXY>, ChartSeriesCount> Points;
    // Set only when Drawn.
    std::optional<TPowerBand> PowerBand;

    int ColCount() const { return kColCount; }
    // The text of cell (col, row): headers, "<r*1000>rpm" labels, "%4.1f" speeds; empty outside
    // the table and for the speeds of a result that is not drawn. Speeds are in km/h divided by
    // kmPerUnit (1.609344 gives mph), converted before the rounding.
    std::string Cell(int col, int row, double kmPerUnit = 1) const;

  private:
    friend TGearingResult ComputeGearing(const TGearingInputs& inputs, char decimalSeparator);

    int MaxK = 0;
    double Primary = 0;
    double Drive = 0;
    double Driven = 0;
    double Tire = 0;
    std::array<double, GearCount> Gears{};
    char DecimalSeparator = '.';
};

// Parses the inputs (numbers use decimalSeparator) and computes table, lines and power band.
// Costs O(1) time and memory whatever maxK is.
TGearingResult ComputeGearing(const TGearingInputs& inputs, char decimalSeparator);

}  // namespace kgr
