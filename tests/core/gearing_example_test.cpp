#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/core/gearing_test_support.h"

namespace kgr {
namespace {

using test::Row;
using test::WorkedInputs;
using ::testing::ElementsAre;

TEST(GearingExample, Table) {
    const auto result = ComputeGearing(WorkedInputs(), '.');
    ASSERT_TRUE(result.Drawn);
    EXPECT_EQ(result.RowCount, 12);
    EXPECT_EQ(result.ColCount(), 7);
    EXPECT_THAT(Row(result, 0), ElementsAre("", "1st", "2nd", "3rd", "4th", "5th", "6th"));
    EXPECT_THAT(Row(result, 1), ElementsAre("0rpm", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0", " 0.0"));
    EXPECT_THAT(Row(result, 2), ElementsAre("1000rpm", " 5.0", " 7.0", " 9.0", "10.9", "12.6", " 0.0"));
    EXPECT_THAT(Row(result, 9), ElementsAre("8000rpm", "40.2", "55.9", "71.8", "87.4", "100.5", " 0.0"));
    EXPECT_THAT(Row(result, 11), ElementsAre("10000rpm", "50.3", "69.8", "89.8", "109.3", "125.7", " 0.0"));
    for (int row = 1; row < 12; ++row)
        EXPECT_EQ(result.Cell(0, row), std::to_string((row - 1) * 1000) + "rpm");
}

TEST(GearingExample, MaxSpeedAndPowerBand) {
    const auto result = ComputeGearing(WorkedInputs(), '.');
    EXPECT_NEAR(result.MaxSpeed, 125.6637, 1e-4);
    ASSERT_TRUE(result.PowerBand);
    EXPECT_EQ(result.PowerBand->X0, 0);
    EXPECT_EQ(result.PowerBand->Y0, 5999);
    EXPECT_EQ(result.PowerBand->X1, result.MaxSpeed);
    EXPECT_EQ(result.PowerBand->Y1, 8000);
}

struct TExpectedLine {
    int Series;
    double X0, Y0, X1, Y1;
};

TEST(GearingExample, Points) {
    const auto result = ComputeGearing(WorkedInputs(), '.');
    const TExpectedLine lines[] = {
        {1, 0, 0, 40.21, 8000},        {2, 40.21, 5760, 55.85, 8000},   {3, 53.86, 6000, 71.81, 8000},
        {4, 65.56, 6000, 87.42, 8000}, {5, 75.40, 6000, 125.66, 10000}, {6, 0, 0, 0, 0},
        {7, 0, 0, 50.27, 10000},       {8, 0, 0, 69.81, 10000},         {9, 0, 0, 89.76, 10000},
        {10, 0, 0, 109.27, 10000},     {11, 0, 0, 125.66, 10000},       {12, 0, 0, 0, 0},
    };
    EXPECT_TRUE(result.Points[0].empty());
    for (const auto& line : lines) {
        const auto& points = result.Points[line.Series];
        ASSERT_EQ(points.size(), 2u) << line.Series;
        EXPECT_NEAR(points[0].x, line.X0, 0.005) << line.Series;
        EXPECT_NEAR(points[0].y, line.Y0, 1e-9) << line.Series;
        EXPECT_NEAR(points[1].x, line.X1, 0.005) << line.Series;
        EXPECT_NEAR(points[1].y, line.Y1, 1e-9) << line.Series;
    }
    // Gear 2 starts where gear 1 left the band; gear 5 ends at maxK because gear 6 is absent.
    EXPECT_EQ(result.Points[2][0].x, result.Points[1][1].x);
    EXPECT_EQ(result.Points[5][1].x, result.MaxSpeed);
}

TEST(GearingExample, DecimalSeparatorAppliesToInputsAndCells) {
    auto inputs = WorkedInputs();
    inputs.RatioT = {"2,5", "1,8", "1,4", "1,15", "1", "0"};
    const auto result = ComputeGearing(inputs, ',');
    ASSERT_TRUE(result.Drawn);
    EXPECT_THAT(Row(result, 9), ElementsAre("8000rpm", "40,2", "55,9", "71,8", "87,4", "100,5", " 0,0"));
    EXPECT_FALSE(ComputeGearing(WorkedInputs(), ',').Drawn);  // "2.5" is no number with ','
}

}  // namespace
}  // namespace kgr
