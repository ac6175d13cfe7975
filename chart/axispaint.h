// Axis layout over the chart rectangle, and the tick positions recorded while one axis paints.
#pragma once

#include <array>
#include <cstddef>

#include "chart/chartfwd.h"

// The pixel positions recorded by one PaintAxis. The room is fixed; positions offered once it is
// full are dropped (their labels are still drawn, they only get no tick or grid line).
class TickPositions {
  public:
    static constexpr int Room = 2000;
    void Add(int pixel) {
        if (count_ < Room) items_[static_cast<std::size_t>(count_++)] = pixel;
    }
    int Count() const { return count_; }
    int operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
    void Clear() { count_ = 0; }

  private:
    std::array<int, Room> items_{};
    int count_ = 0;
};

// Whether the chart shows the axis: AxisVisible, the axis' Visible, and a series that uses it.
bool IsAxisShown(const TCustomAxisPanel& chart, TCustomChartAxis* axis);

// Refreshes every axis' range, lets the shown axes take their bands from PlotRect, then sets the
// final PlotRect and every axis' pixels.
void LayoutAxes(TCustomAxisPanel& chart);

// Widens the scales of the four side axes by the pixel margins the series ask for.
void FitAxesToSeriesMargins(TCustomAxisPanel& chart);
