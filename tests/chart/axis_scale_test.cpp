// Axis properties, automatic flags, rejected values, ranges and the value <-> pixel mapping, on axes
// without a chart (ranges and pixels set by hand).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "chart/axis.h"
#include "chart/errors.h"
#include "chart/fonts.h"
#include "chart/pens.h"

namespace {

std::unique_ptr<TChartAxis> Axis(TAxisSide side, int start, int end, double min, double max) {
    auto axis = std::make_unique<TChartAxis>(nullptr, side);
    axis->SetStartPixel(start);
    axis->SetEndPixel(end);
    axis->SetRangeMin(min);
    axis->SetRangeMax(max);
    return axis;
}

template <typename F>
std::string MessageOf(F&& action) {
    try {
        action();
    } catch (const ChartException& e) {
        return e.what();
    }
    return "no exception";
}

TEST(AxisProperties, DefaultsOfTheSideAxes) {
    auto left = std::make_unique<TChartAxis>(nullptr, asLeft);
    EXPECT_TRUE(left->Automatic() && left->AutomaticMinimum() && left->AutomaticMaximum());
    EXPECT_EQ(left->AxisValuesFormat(), "#,##0.###");
    EXPECT_EQ(left->Axis()->Width(), 2);
    EXPECT_EQ(left->Grid()->Color(), clGray);
    EXPECT_EQ(left->Grid()->Style(), psDot);
    EXPECT_FALSE(left->MinorGrid()->Visible());
    EXPECT_TRUE(left->ExactDateTime());
    EXPECT_EQ(left->LabelsSeparation(), 10);
    EXPECT_EQ(left->TickLength(), 4);
    EXPECT_EQ(left->MinorTickCount(), 3);
    EXPECT_EQ(left->MinorTickLength(), 2);
    EXPECT_EQ(left->EndPosition(), 100);
    EXPECT_EQ(left->LogarithmicBase(), 10);
    EXPECT_TRUE(left->TickOnLabelsOnly() && left->LabelsOnAxis() && left->RoundFirstLabel());
    EXPECT_EQ(left->LabelStyle(), talAuto);
    EXPECT_EQ(left->Title()->Angle(), 90);
    EXPECT_EQ(TChartAxis(nullptr, asRight).Title()->Angle(), 270);
    EXPECT_EQ(TChartAxis(nullptr, asBottom).Title()->Angle(), 0);
    const TChartAxis top(nullptr, asTop);
    EXPECT_TRUE(top.IsHorizontal() && top.IsOtherSide());
    TChartDepthAxis depth(nullptr);
    EXPECT_TRUE(depth.IsDepth());
    EXPECT_FALSE(depth.Visible());
}

TEST(AxisProperties, AutomaticFlagRulesAtRunTime) {
    auto axis = std::make_unique<TChartAxis>(nullptr, asBottom);
    axis->SetAutomatic(false);
    EXPECT_FALSE(axis->AutomaticMinimum());
    EXPECT_FALSE(axis->AutomaticMaximum());
    axis->SetAutomaticMinimum(true);  // the maximum is still fixed
    EXPECT_FALSE(axis->Automatic());
    axis->SetAutomaticMaximum(true);
    EXPECT_TRUE(axis->Automatic());
    axis->SetAutomaticMinimum(false);
    EXPECT_FALSE(axis->Automatic());
    EXPECT_TRUE(axis->AutomaticMaximum());
}

TEST(AxisProperties, RejectedValuesRaiseAndKeepTheOldValue) {
    auto axis = std::make_unique<TChartAxis>(nullptr, asLeft);
    axis->SetAutomatic(false);
    axis->SetMaximum(10);
    axis->SetIncrement(5);
    EXPECT_EQ(MessageOf([&] { axis->SetIncrement(-1); }), ChartStrings::AxisIncrement);
    EXPECT_EQ(axis->Increment(), 5);
    EXPECT_EQ(MessageOf([&] { axis->SetMinimum(11); }), ChartStrings::AxisMinimum);
    EXPECT_EQ(axis->Minimum(), 0);
    EXPECT_EQ(MessageOf([&] { axis->SetMaximum(-1); }), ChartStrings::AxisMaximum);
    EXPECT_EQ(axis->Maximum(), 10);
    EXPECT_EQ(MessageOf([&] { axis->SetLabelsSeparation(-1); }), ChartStrings::AxisLabelsSeparation);
    EXPECT_EQ(axis->LabelsSeparation(), 10);
    EXPECT_EQ(MessageOf([&] { axis->SetLogarithmicBase(2); }), ChartStrings::AxisLogBase);
    EXPECT_EQ(axis->LogarithmicBase(), 10);
    EXPECT_THROW(axis->SetLabelsAngle(360), ChartException);
    EXPECT_EQ(axis->LabelsAngle(), 0);
    axis->SetLabelsAngle(359);
    EXPECT_EQ(axis->LabelsAngle(), 359);
    EXPECT_THROW(axis->Title()->SetAngle(-1), ChartException);
    EXPECT_EQ(axis->Title()->Angle(), 90);
    axis->SetMinimum(-5);
    EXPECT_EQ(MessageOf([&] { axis->SetLogarithmic(true); }), ChartStrings::AxisLogNegative);
    EXPECT_FALSE(axis->Logarithmic());
}

TEST(AxisRange, SetRangeOrdersAndWidensTheEnds) {
    auto axis = std::make_unique<TChartAxis>(nullptr, asBottom);
    axis->SetRange(7, 3);
    EXPECT_EQ(axis->Minimum(), 3);
    EXPECT_EQ(axis->Maximum(), 7);
    EXPECT_FALSE(axis->Automatic() || axis->AutomaticMinimum() || axis->AutomaticMaximum());
    axis->SetRange(5, 5);
    EXPECT_EQ(axis->Minimum(), 5);
    EXPECT_EQ(axis->Maximum(), 5 + 1e-10);
}

TEST(AxisRange, ShiftRangeMovesBothEndsUnlessLimited) {
    auto axis = std::make_unique<TChartAxis>(nullptr, asLeft);
    axis->SetRange(0, 100);
    axis->ShiftRange(false, 3);
    EXPECT_EQ(axis->Minimum(), 3);
    EXPECT_EQ(axis->Maximum(), 103);
    // Without a chart there is no data beyond the ends: a limited shift does nothing.
    axis->ShiftRange(true, 3);
    EXPECT_EQ(axis->Minimum(), 3);
}

TEST(AxisRange, RefreshRangeWithoutSeriesGivesZeroEnds) {
    auto axis = std::make_unique<TChartAxis>(nullptr, asBottom);
    axis->SetAutomatic(false);
    axis->SetAutomaticMaximum(true);
    axis->SetMinimum(-4);
    axis->RefreshRange();
    EXPECT_EQ(axis->RangeMin(), -4);
    EXPECT_EQ(axis->RangeMax(), 0);
    EXPECT_EQ(axis->RangeSpan(), 4);
}

TEST(AxisMapping, LinearEndsAndInversion) {
    auto bottom = Axis(asBottom, 100, 300, 0, 1000);
    EXPECT_EQ(bottom->XPixelOf(0), 100);
    EXPECT_EQ(bottom->XPixelOf(1000), 300);
    EXPECT_EQ(bottom->PixelOf(500), 200);
    bottom->SetInverted(true);
    EXPECT_EQ(bottom->XPixelOf(1000), 100);
    EXPECT_EQ(bottom->XPixelOf(0), 300);

    auto left = Axis(asLeft, 10, 210, 0, 12000);
    EXPECT_EQ(left->YPixelOf(0), 210);
    EXPECT_EQ(left->PixelOf(12000), 10);
    left->SetInverted(true);
    EXPECT_EQ(left->YPixelOf(12000), 210);
}

TEST(AxisMapping, HalvesRoundToEven) {
    auto axis = Axis(asBottom, 0, 25, 0, 1);
    EXPECT_EQ(axis->XPixelOf(0.5), 12);  // t = 12.5
    auto other = Axis(asBottom, 0, 27, 0, 1);
    EXPECT_EQ(other->XPixelOf(0.5), 14);  // t = 13.5
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(AxisMapping, RoundHalfEvenOnBothSidesOfZeroAndAtTheEnds) {
    const std::vector<std::pair<long double, int>> cases = {
        {0.5L, 0},
        {1.5L, 2},
        {-0.5L, 0},
        {-1.5L, -2},
        {-3.5L, -4},
        {0.49999999999L, 0},
        {-0.5000000001L, -1},
        {-1e-30L, 0},
        {-7.0L, -7},
        {2147483646.5L, 2147483646},
        {1e30L, INT_MAX},
        {-1e30L, INT_MIN},
        {std::numeric_limits<long double>::quiet_NaN(), 0}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundHalfEven(value), expected) << static_cast<double>(value);
}

TEST(AxisMapping, ZeroSpanAndFarValuesGoToTheCentre) {
    auto axis = Axis(asLeft, 10, 101, 0, 0);
    EXPECT_EQ(axis->CenterPixel(), 55);
    EXPECT_EQ(axis->YPixelOf(0), 55);
    EXPECT_EQ(axis->YPixelOf(1e9), 55);
    axis->SetRangeMax(1);
    EXPECT_EQ(axis->YPixelOf(1e300), 55);
    EXPECT_EQ(axis->YPixelOf(std::nan("")), 55);
    auto negative = Axis(asRight, -100, -3, 0, 0);
    EXPECT_EQ(negative->CenterPixel(), -51);  // truncated toward zero
}

TEST(AxisMapping, PixelToValueRoundTrip) {
    for (TAxisSide side : {asBottom, asLeft}) {
        auto axis = Axis(side, 12, 461, -37.5, 812.25);
        for (bool inverted : {false, true}) {
            axis->SetInverted(inverted);
            for (double v : {-37.5, 0.0, 3.3, 400.0, 812.25}) {
                const double back = axis->ValueAtPixel(axis->PixelOf(v));
                EXPECT_NEAR(back, v, 0.5 * axis->RangeSpan() / axis->LengthPixels() + 1e-9)
                    << side << inverted;
            }
        }
    }
    auto empty = Axis(asBottom, 5, 5, 0, 10);
    EXPECT_EQ(empty->ValueAtPixel(5), 0);
}

TEST(AxisMapping, VerticalPixelToValueCountsDownFromRangeMax) {
    // -3 + (-0.9 - -3) is not -0.9 in doubles: the top pixel must give RangeMax itself.
    auto left = Axis(asLeft, 10, 210, -3.0, -0.9);
    EXPECT_EQ(left->ValueAtPixel(10), -0.9);
    EXPECT_EQ(left->ValueAtPixel(110), -0.9 - 100 * left->RangeSpan() / 200);
    left->SetInverted(true);
    EXPECT_EQ(left->ValueAtPixel(210), -0.9);
    auto bottom = Axis(asBottom, 10, 210, -3.0, -0.9);
    EXPECT_EQ(bottom->ValueAtPixel(10), -3.0);
    bottom->SetInverted(true);
    EXPECT_EQ(bottom->ValueAtPixel(210), -3.0);
}

TEST(AxisRange, MarginsWiderThanTheAxisKeepTheRange) {
    auto bottom = Axis(asBottom, 100, 300, 0, 250);
    bottom->FitRangeToMargins(150, 0, 60, 0);  // less than one pixel left between them
    EXPECT_EQ(bottom->RangeMin(), 0);
    EXPECT_EQ(bottom->RangeMax(), 250);
    EXPECT_EQ(bottom->StartPixel(), 100);
    EXPECT_EQ(bottom->EndPixel(), 300);
    // Margins that fit widen the scale so that the data lands inside them.
    bottom->FitRangeToMargins(20, 0, 30, 0);
    EXPECT_DOUBLE_EQ(bottom->RangeMin(), -20 * 250.0 / 150);
    EXPECT_DOUBLE_EQ(bottom->RangeMax(), 250 + 30 * 250.0 / 150);
    EXPECT_EQ(bottom->XPixelOf(0), 120);
    EXPECT_EQ(bottom->XPixelOf(250), 270);
    EXPECT_EQ(TChartAxis(nullptr, asLeft).WidestValueLabel(), 0);  // nothing to measure with
}

TEST(AxisMapping, Logarithmic) {
    auto axis = Axis(asBottom, 0, 300, 0, 0);
    axis->SetLogarithmic(true);  // refreshes the range (0 without series) before it is set here
    axis->SetRangeMin(1);
    axis->SetRangeMax(1000);
    EXPECT_EQ(axis->XPixelOf(10), 100);
    EXPECT_EQ(axis->XPixelOf(1000), 300);
    EXPECT_EQ(axis->XPixelOf(0), 0);
    EXPECT_EQ(axis->ValueAtPixel(0), 1);
    EXPECT_EQ(axis->ValueAtPixel(300), 1000);
    EXPECT_NEAR(axis->ValueAtPixel(200), 100, 1e-9);
    auto left = Axis(asLeft, 0, 300, 0, 0);
    left->SetLogarithmic(true);
    left->SetRangeMin(1);
    left->SetRangeMax(1000);
    EXPECT_EQ(left->YPixelOf(-5), 300);
    EXPECT_EQ(left->ValueAtPixel(0), 1000);
    EXPECT_EQ(left->ValueAtPixel(300), 1);
}

}  // namespace
