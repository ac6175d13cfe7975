// The label step, the label values and the minor ticks as pure computations over a scale map:
// expected values worked by hand from the 1-2-5 ladder and the rounding rules.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart/axisticks.h"
#include "chart/datetimetext.h"

namespace {

TScaleMap Map(double min, double max, int length, TScaleKind kind = TScaleKind::Linear) {
    return {TAxisRange(min, max), TAxisPixels(0, length), kind, 10, {true, false}};
}

TEST(NiceStep, ClimbsTheOneTwoFiveLadder) {
    const std::vector<std::pair<double, double>> rungs = {
        {5, 10}, {10, 20}, {20, 50}, {50, 100}, {1000, 2000}, {5000, 10000}, {3, 5}, {7, 10}, {1.5, 2}};
    for (const auto& [from, to] : rungs) EXPECT_EQ(NextNiceStep(from), to) << from;
    EXPECT_DOUBLE_EQ(NextNiceStep(0.3), 0.5);
    EXPECT_TRUE(std::isinf(NextNiceStep(INFINITY)));  // no endless climb
}

TEST(AxisTicker, StepForLabelSize) {
    struct Case {
        double max;
        int length, size;
        double increment;
        int separation;
        double step;
    };
    const Case cases[] = {
        // 12 + Round(1.2) = 13 pixels a label, Round(200 / 13) = 15 labels: 1000 gives 12.
        {12000, 200, 12, 1000, 10, 1000},
        // 18 + Round(1.8) = 20, 20 labels: 5 -> 10 -> 20, as 250 / 20 = 12.5 rounds to 12.
        {250, 400, 18, 5, 10, 20},
        // Without separation the first candidate stays, however many labels it makes.
        {50000, 400, 30, 0, 0, 1},
        // No room for one label (Round(0 / 13) = 0): the smallest step.
        {100, 0, 12, 0, 10, 1e-12},
        // Unmeasured labels count as one: 1 -> 2 -> ... -> 100 (2.5 rounds to 2) -> 200.
        {250, 400, 0, 0, 10, 200},
        // A span below 1 starts at 1e-12 and climbs to 0.05 (Round(400 / 22) = 18; 0.5 / 0.02 = 25).
        {0.5, 400, 20, 0, 10, 0.05},
    };
    for (const Case& c : cases) {
        const TAxisTicker ticker(Map(0, c.max, c.length), {c.increment, c.separation});
        EXPECT_DOUBLE_EQ(ticker.StepForLabelSize(c.size), c.step) << c.max << " " << c.size;
    }
    EXPECT_EQ(TAxisTicker(Map(0, 100, 0), {.DateTime = true}).StepForLabelCount(0), OneSecond);
    EXPECT_GT(TAxisTicker(Map(0, INFINITY, 400), {}).StepForLabelCount(10), 0);  // the search ends
}

TEST(AxisTicker, LabelValues) {
    struct Case {
        TScaleMap map;
        double step;
        TTickRules rules;
        std::vector<double> values;
    };
    const TScaleKind log = TScaleKind::Logarithmic;
    const Case cases[] = {
        {Map(0, 250, 400), 20, {}, {240, 220, 200, 180, 160, 140, 120, 100, 80, 60, 40, 20, 0}},
        {Map(20, 250, 400), 20, {}, {240, 220, 200, 180, 160, 140, 120, 100, 80, 60, 40, 20}},
        {Map(-100, 100, 400), 50, {}, {100, 50, 0, -50, -100}},  // a negative minimum keeps its label
        {Map(3, 250, 400),
         20,
         {.RoundFirstLabel = false},
         {250, 230, 210, 190, 170, 150, 130, 110, 90, 70, 50, 30, 10}},
        {Map(0, 0, 400), 1e-12, {}, {0}},
        {Map(0, 50000, 400), 1, {}, {}},  // 50000 labels would result
        // Powers of the base from the one nearest RangeMin (10^Round(0.3) = 1 lies below 2).
        {Map(2, 2000, 400, log), 1, {}, {10, 100, 1000}},
        {Map(0, 2000, 400, log), 1, {}, {0.1, 1, 10, 100, 1000}},
        {Map(0, 20, 400, log), 5, {.Increment = 5}, {20, 15, 10, 5, 0}},  // an Increment steps evenly
    };
    for (const Case& c : cases) {
        std::vector<double> values;
        TAxisTicker(c.map, c.rules).ForEachValue(c.step, [&](double v) { values.push_back(v); });
        EXPECT_EQ(values, c.values) << c.map.Range().Min() << ".." << c.map.Range().Max();
    }
}

TEST(AxisTicker, MinorPositions) {
    struct Case {
        TScaleMap map;
        std::vector<int> ticks;
        int count;
        std::vector<int> positions;
    };
    const Case cases[] = {
        // Ticks 40 pixels apart: 10, 20, 30 from each; past the ends only while strictly inside 0..200.
        {Map(0, 200, 200), {100, 60, 20}, 3, {110, 120, 130, 10, 70, 80, 90, 30, 40, 50}},
        // 7.5 pixels apart: Round(7.5) = 8, Round(22.5) = 22; 52 is past the end pixel.
        {TScaleMap(TAxisRange(0, 1), TAxisPixels(-50, 50), TScaleKind::Linear, 10, {}),
         {0, 30},
         3,
         {-8, -15, -22, 38, 45, 22, 15, 8}},
        {Map(0, 200, 200), {100}, 3, {}},  // one tick gives no spacing
        // 1 .. 1000 over 300 pixels: halfway in value to the next power, 5.5 at Round(74.04) and so on.
        {Map(1, 1000, 300, TScaleKind::Logarithmic), {0, 100, 200, 300}, 1, {74, 174, 274}},
    };
    for (const Case& c : cases) {
        TickPositions ticks;
        for (int t : c.ticks) ticks.Add(t);
        std::vector<int> positions;
        TAxisTicker(c.map, {}).ForEachMinorPosition(ticks, c.count, [&](int p) { positions.push_back(p); });
        EXPECT_EQ(positions, c.positions) << c.ticks.size();
    }
}

TEST(AxisTicker, TickPositionsKeepTheirRoom) {
    TickPositions ticks;
    for (int i = 0; i < TickPositions::Room + 5; ++i) ticks.Add(i);
    EXPECT_EQ(ticks.Count(), TickPositions::Room);
    EXPECT_EQ(ticks[TickPositions::Room - 1], TickPositions::Room - 1);
}

}  // namespace
