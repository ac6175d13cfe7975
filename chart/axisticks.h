// The label step, the label values and the minor tick positions of an axis: computations from its
// scale, its length and the room one label takes, without a chart or a surface.
#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "chart/axisscale.h"

// The next rung of the 1-2-5 ladder above x (3 -> 5, 5 -> 10, 0.3 -> 0.5); x must be positive.
double NextNiceStep(double x);

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

// The axis settings that steps and label values depend on besides the scale.
struct TTickRules {
    double Increment = 0;       // the first step tried; 0 starts at 1 (at 1e-12 for a span below 1)
    int LabelsSeparation = 10;  // per cent of a label kept free; 0 takes the first step as it is
    bool DateTime = false;
    bool ExactDateTime = true;
    bool RoundFirstLabel = true;
};

// Steps, label values and minor ticks over one scale map.
class TAxisTicker {
  public:
    TAxisTicker(const TScaleMap& map, const TTickRules& rules) : map_(map), rules_(rules) {}

    // The step for labels that are size pixels deep along the axis.
    double StepForLabelSize(int size) const;
    // The step that leaves at most count labels on the axis.
    double StepForLabelCount(int count) const;
    // The label values with this step, from the source's first value on: the powers of the base on
    // a logarithmic scale without an Increment, else from the top value downwards.
    void ForEachValue(double step, const std::function<void(double)>& visit) const;
    // The positions of count minor ticks between and past the recorded ticks, strictly inside the axis.
    void ForEachMinorPosition(const TickPositions& ticks, int count,
                              const std::function<void(int)>& visit) const;

  private:
    double StepFromSearch(double step, int count) const;
    void DefaultValues(double step, const std::function<void(double)>& visit) const;
    void LogValues(const std::function<void(double)>& visit) const;
    // The minor positions above the label at tick on a logarithmic scale.
    void LogMinorRun(int tick, int count, const std::function<void(long long)>& use) const;
    // Up to this many minor ticks per label are stepped one by one on a logarithmic scale; more are
    // found by bisection over runs of equal pixels.
    static constexpr int PlainMinorCount = 1000;

    TScaleMap map_;
    TTickRules rules_;
};
