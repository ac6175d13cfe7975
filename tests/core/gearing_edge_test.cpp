#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

#include "tests/core/gearing_test_support.h"

namespace kgr {
namespace {

using test::Row;
using test::WorkedInputs;
using ::testing::ElementsAre;

bool NoPoints(const TGearingResult& result) {
    for (const auto& points : result.Points)
        if (!points.empty()) return false;
    return true;
}

void ExpectLabelsOnly(const TGearingResult& result) {
    EXPECT_FALSE(result.Drawn);
    EXPECT_EQ(result.MaxSpeed, 0);
    EXPECT_FALSE(result.PowerBand);
    EXPECT_TRUE(NoPoints(result));
    for (int row = 1; row < std::min(result.RowCount, 50); ++row)
        EXPECT_THAT(Row(result, row),
                    ElementsAre(std::to_string((row - 1) * 1000) + "rpm", "", "", "", "", "", ""));
}

TEST(GearingEdges, DefaultInputsWithRatiosZero) {
    const TGearingInputs inputs{"10", "6", "8", "0", "0", "0", "0", {"0", "0", "0", "0", "0", "0"}};
    const auto result = ComputeGearing(inputs, '.');
    EXPECT_EQ(result.RowCount, 12);
    EXPECT_EQ(result.Cell(0, 11), "10000rpm");
    ExpectLabelsOnly(result);
}

TEST(GearingEdges, PrimaryDriveOrDrivenZeroDrawsNothing) {
    for (int field = 0; field < 3; ++field) {
        auto inputs = WorkedInputs();
        (field == 0 ? inputs.Ratio1 : field == 1 ? inputs.Ratio2drv : inputs.Ratio2drvn) = "0";
        const auto result = ComputeGearing(inputs, '.');
        EXPECT_EQ(result.RowCount, 12) << field;
        ExpectLabelsOnly(result);
    }
}

TEST(GearingEdges, UnparsableFieldLeavesHeaderAndZeroRow) {
    for (int field = 0; field < 13; ++field) {
        auto inputs = WorkedInputs();
        std::string* texts[13] = {&inputs.MaxRpm,    &inputs.PBLow,      &inputs.PBHigh,    &inputs.Ratio1,
                                  &inputs.Ratio2drv, &inputs.Ratio2drvn, &inputs.Tire,      &inputs.RatioT[0],
                                  &inputs.RatioT[1], &inputs.RatioT[2],  &inputs.RatioT[3], &inputs.RatioT[4],
                                  &inputs.RatioT[5]};
        *texts[field] = field % 2 ? "abc" : "";
        const auto result = ComputeGearing(inputs, '.');
        EXPECT_EQ(result.RowCount, 2) << field;
        EXPECT_THAT(Row(result, 0), ElementsAre("", "1st", "2nd", "3rd", "4th", "5th", "6th"));
        ExpectLabelsOnly(result);
    }
}

TEST(GearingEdges, CellsOutsideTheTableAreEmpty) {
    const auto result = ComputeGearing(WorkedInputs(), '.');
    for (auto [col, row] : {std::pair{-1, 0}, {7, 1}, {1, -1}, {1, 12}, {0, 12}, {0, 0}})
        EXPECT_EQ(result.Cell(col, row), "") << col << "," << row;
}

// The worked example with one change of its inputs, and what the result must then show.
struct TWorkedEdit {
    const char* Name;
    std::function<void(TGearingInputs&)> Edit;
    std::function<void(const TGearingResult&)> Expect;
};

void PrintTo(const TWorkedEdit& edit, std::ostream* out) {
    *out << edit.Name;
}

const std::vector<TPointXY>& Line(const TGearingResult& result, int index) {
    return result.Points[static_cast<size_t>(index)];
}

class WorkedExampleEdits : public ::testing::TestWithParam<TWorkedEdit> {};

TEST_P(WorkedExampleEdits, ShowTheirResult) {
    auto inputs = WorkedInputs();
    GetParam().Edit(inputs);
    GetParam().Expect(ComputeGearing(inputs, '.'));
}

const TWorkedEdit WorkedEdits[] = {
    {"MaxKZero", [](TGearingInputs& in) { in.MaxRpm = "0"; },
     [](const TGearingResult& result) {
         ASSERT_TRUE(result.Drawn);
         EXPECT_EQ(result.RowCount, 2);
         EXPECT_THAT(Row(result, 1), ElementsAre("0rpm", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0"));
         EXPECT_EQ(result.MaxSpeed, 0);
         for (int g = 1; g <= GearCount; ++g) {
             EXPECT_EQ(Line(result, WholeRangeLineIndex(g))[1].x, 0);
             EXPECT_EQ(Line(result, WholeRangeLineIndex(g))[1].y, 0);
         }
     }},
    {"MaxKMinusOne", [](TGearingInputs& in) { in.MaxRpm = "-1"; },
     [](const TGearingResult& result) {
         ASSERT_TRUE(result.Drawn);
         EXPECT_EQ(result.RowCount, 1);
         EXPECT_EQ(result.Cell(1, 0), "1st");
         EXPECT_EQ(result.Cell(0, 1), "");
         EXPECT_EQ(result.MaxSpeed, 0);
         EXPECT_EQ(Line(result, WholeRangeLineIndex(1))[1].y, -1000);
         EXPECT_NEAR(Line(result, WholeRangeLineIndex(1))[1].x, -5.0265, 1e-4);
         EXPECT_EQ(result.PowerBand->X1, 0);
     }},
    {"MissingSecondGear", [](TGearingInputs& in) { in.RatioT[1] = "0"; },
     [](const TGearingResult& result) {
         for (int index : {GearLineIndex(2), WholeRangeLineIndex(2)}) {
             ASSERT_EQ(Line(result, index).size(), 2u);
             for (const auto& p : Line(result, index)) EXPECT_TRUE(p.x == 0 && p.y == 0) << index;
         }
         EXPECT_EQ(Line(result, GearLineIndex(1))[1].y, 10000);  // next gear absent: gear 1 runs to maxK
         EXPECT_EQ(Line(result, GearLineIndex(3))[0].y, 0);      // previous gear's speed is 0
         EXPECT_EQ(Line(result, GearLineIndex(3))[0].x, 0);
     }},
    {"SixthGearRunsToMaxK", [](TGearingInputs& in) { in.RatioT[5] = "0.9"; },
     [](const TGearingResult& result) {
         EXPECT_EQ(Line(result, GearLineIndex(5))[1].y, 8000);
         EXPECT_EQ(Line(result, GearLineIndex(6))[1].y, 10000);
         EXPECT_EQ(Line(result, GearLineIndex(6))[1].x, result.MaxSpeed);
         EXPECT_EQ(Line(result, WholeRangeLineIndex(6))[1].x, result.MaxSpeed);
     }},
    {"StartAtTheBandBottomBelowTheShiftDrop", [](TGearingInputs& in) { in.PBLow = "5"; },
     [](const TGearingResult& result) {
         // Gear 2 after the shift: 5760 rpm, above the band's bottom.
         EXPECT_EQ(Line(result, GearLineIndex(2))[0].y, 5000);
     }},
    {"StartAtTheShiftDropBelowTheBandBottom", [](TGearingInputs& in) { in.PBLow = "7"; },
     [](const TGearingResult& result) {
         // Gear 3 after the shift: about 6222 rpm, below the band's bottom.
         EXPECT_NEAR(Line(result, GearLineIndex(3))[0].y, 6222.2, 0.1);
         EXPECT_EQ(result.PowerBand->Y0, 6999);
     }},
    {"BandUpsideDownFollowsTheFormulas",
     [](TGearingInputs& in) {
         in.PBLow = "8";
         in.PBHigh = "6";
     },
     [](const TGearingResult& result) {
         ASSERT_TRUE(result.Drawn);
         EXPECT_EQ(result.PowerBand->Y0, 7999);
         EXPECT_EQ(result.PowerBand->Y1, 6000);
         EXPECT_EQ(Line(result, GearLineIndex(1))[1].y, 6000);
         EXPECT_NEAR(Line(result, GearLineIndex(2))[0].y, 4320, 1e-9);
     }},
    {"HexAndBlanksInIntegerFields",
     [](TGearingInputs& in) {
         in.MaxRpm = "  $A";
         in.PBLow = "x6";
         in.PBHigh = "0x8";
     },
     [](const TGearingResult& result) {
         EXPECT_EQ(result.RowCount, 12);
         EXPECT_EQ(result.PowerBand->Y0, 5999);
     }},
    {"NegativeRatiosGiveNegativeSpeedsAndNoSignedZero", [](TGearingInputs& in) { in.Ratio1 = "-3"; },
     [](const TGearingResult& result) {
         ASSERT_TRUE(result.Drawn);
         EXPECT_EQ(result.MaxSpeed, 0);
         EXPECT_THAT(Row(result, 1), ElementsAre("0rpm", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0"));
         EXPECT_EQ(result.Cell(5, 11), "-125.7");
         EXPECT_EQ(result.PowerBand->X1, 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(GearingEdges, WorkedExampleEdits, ::testing::ValuesIn(WorkedEdits),
                         [](const ::testing::TestParamInfo<TWorkedEdit>& info) { return info.param.Name; });

}  // namespace
}  // namespace kgr
