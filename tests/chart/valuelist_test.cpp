// Value lists on their own: ordered insertion, Multiplier, statistics, storage and index errors.
#include "chart/valuelist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "chart/errors.h"

namespace {

std::vector<double> Values(const TChartValueList& list) {
    std::vector<double> out;
    for (int i = 0; i < list.ValueCount(); ++i) out.push_back(list.ValueAt(i));
    return out;
}

std::vector<int> AddAll(TChartValueList& list, const std::vector<double>& values) {
    std::vector<int> indexes;
    for (double v : values) indexes.push_back(list.AddInOrder(v));
    return indexes;
}

TEST(ValueListOrder, AscendingInsertsAfterEqualValues) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    EXPECT_EQ(AddAll(list, {1, 3, 2, 0, 2}), (std::vector<int>{0, 1, 1, 0, 3}));
    EXPECT_EQ(Values(list), (std::vector<double>{0, 1, 2, 2, 3}));
}

TEST(ValueListOrder, DescendingInsertsAfterEqualValues) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(loDescending);
    EXPECT_EQ(AddAll(list, {3, 1, 2, 4, 2}), (std::vector<int>{0, 1, 1, 0, 3}));
    EXPECT_EQ(Values(list), (std::vector<double>{4, 3, 2, 2, 1}));
}

TEST(ValueListOrder, NoneKeepsArrivalOrder) {
    TChartValueList list(nullptr, "X");
    EXPECT_EQ(AddAll(list, {3, 1, 2}), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Values(list), (std::vector<double>{3, 1, 2}));
}

TEST(ValueListOrder, ComparesRawValuesNotMultiplied) {
    TChartValueList list(nullptr, "X");
    list.SetOrder(loAscending);
    list.SetMultiplier(-1);
    AddAll(list, {1, 3, 2});
    EXPECT_EQ(Values(list), (std::vector<double>{-1, -2, -3}));
}

TEST(ValueListOrder, ChangingOrderDoesNotResort) {
    TChartValueList list(nullptr, "X");
    AddAll(list, {3, 1});
    list.SetOrder(loAscending);
    EXPECT_EQ(Values(list), (std::vector<double>{3, 1}));
}

TEST(ValueListMultiplier, AppliesOnReadAndRoundTripsExactly) {
    TChartValueList list(nullptr, "Y");
    AddAll(list, {0.1, -3.7, 1e300});
    list.SetMultiplier(2);
    EXPECT_EQ(Values(list), (std::vector<double>{0.2, -7.4, 2e300}));
    EXPECT_DOUBLE_EQ(list.MaximumValue(), 2e300);
    EXPECT_DOUBLE_EQ(list.RawValueAt(1), -3.7);
    list.SetMultiplier(1);
    EXPECT_EQ(Values(list), (std::vector<double>{0.1, -3.7, 1e300}));
    EXPECT_EQ(list.FindValue(-3.7), 1);
}

TEST(ValueListStatistics, EmptyListIsAllZero) {
    TChartValueList list(nullptr, "Y");
    EXPECT_EQ(list.MinimumValue(), 0);
    EXPECT_EQ(list.MaximumValue(), 0);
    EXPECT_EQ(list.ValueSum(), 0);
    EXPECT_EQ(list.AbsoluteSum(), 0);
}

TEST(ValueListStatistics, MixedSignsAndStaleness) {
    TChartValueList list(nullptr, "Y");
    AddAll(list, {3, -1, 2});
    EXPECT_TRUE(list.StatisticsStale());
    EXPECT_EQ(list.MinimumValue(), -1);
    EXPECT_FALSE(list.StatisticsStale());
    EXPECT_EQ(list.MaximumValue(), 3);
    EXPECT_EQ(list.ValueSum(), 4);
    EXPECT_EQ(list.AbsoluteSum(), 6);
    list.SetValueAt(1, -10);
    EXPECT_TRUE(list.StatisticsStale());
    EXPECT_EQ(list.MinimumValue(), -10);
    list.RemoveValueAt(1);
    EXPECT_EQ(list.MinimumValue(), 2);
    list.SetMultiplier(-1);
    EXPECT_EQ(list.MinimumValue(), -3);
    EXPECT_EQ(list.AbsoluteSum(), 5);
}

TEST(ValueListStatistics, RotationKeepsCachedStatistics) {
    TChartValueList list(nullptr, "Y");
    AddAll(list, {1, 2, 3});
    EXPECT_EQ(list.ValueSum(), 6);
    list.RotateValues();
    EXPECT_FALSE(list.StatisticsStale());
    EXPECT_EQ(Values(list), (std::vector<double>{2, 3, 1}));
    TChartValueList empty(nullptr, "Y");
    empty.RotateValues();
    EXPECT_EQ(empty.ValueCount(), 0);
}

TEST(ValueListOperations, FindFillLastAndAssign) {
    TChartValueList list(nullptr, "Y");
    AddAll(list, {5, 7, 5});
    EXPECT_EQ(list.FindValue(5), 0);
    EXPECT_EQ(list.FindValue(6), -1);
    EXPECT_EQ(list.LastValue(), 5);
    list.FillWithIndexes();
    EXPECT_EQ(Values(list), (std::vector<double>{0, 1, 2}));

    TChartValueList other(nullptr, "Other");
    other.SetOrder(loDescending);
    other.SetMultiplier(3);
    other.SetDateTime(true);
    other.SetValueSource("Field");
    list.Assign(other);
    EXPECT_EQ(list.Name(), "Y");
    EXPECT_EQ(list.Order(), loDescending);
    EXPECT_EQ(list.Multiplier(), 3);
    EXPECT_TRUE(list.DateTime());
    EXPECT_EQ(list.ValueSource(), "Field");
    EXPECT_EQ(list.ValueCount(), 3);
    EXPECT_TRUE(list.StatisticsStale());
}

TEST(ValueListSort, SortsStandaloneListBothWays) {
    TChartValueList list(nullptr, "X");
    AddAll(list, {5, 1, 4, 1, 3, 9, 2, 6});
    list.SortByOrder();  // loNone: untouched
    EXPECT_EQ(Values(list), (std::vector<double>{5, 1, 4, 1, 3, 9, 2, 6}));
    list.SetOrder(loAscending);
    list.SortByOrder();
    EXPECT_EQ(Values(list), (std::vector<double>{1, 1, 2, 3, 4, 5, 6, 9}));
    list.SetOrder(loDescending);
    list.SortByOrder();
    EXPECT_EQ(Values(list), (std::vector<double>{9, 6, 5, 4, 3, 2, 1, 1}));
}

TEST(ValueListSort, ManyDuplicatesAndPresortedRuns) {
    std::vector<double> values;
    for (int i = 0; i < 500; ++i) values.push_back((i * 7919) % 13);  // many equal values
    for (int i = 0; i < 200; ++i) values.push_back(i);                // an ascending run
    for (int i = 200; i > 0; --i) values.push_back(i * 0.5);          // a descending run
    TChartValueList list(nullptr, "X");
    AddAll(list, values);
    list.SetOrder(loAscending);
    list.SortByOrder();
    std::sort(values.begin(), values.end());
    EXPECT_EQ(Values(list), values);
    list.SetOrder(loDescending);
    list.SortByOrder();
    std::reverse(values.begin(), values.end());
    EXPECT_EQ(Values(list), values);
}

TEST(ValueListErrors, IndexErrorsCarryTheIndexAndChangeNothing) {
    TChartValueList list(nullptr, "Y");
    AddAll(list, {1, 2});
    auto message = [](auto&& call) {
        try {
            call();
        } catch (const EListError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { list.ValueAt(2); }), "リストのインデックスが範囲を超えています (2)");
    EXPECT_EQ(message([&] { list.ValueAt(-1); }), "リストのインデックスが範囲を超えています (-1)");
    EXPECT_EQ(message([&] { list.SetValueAt(5, 0); }), "リストのインデックスが範囲を超えています (5)");
    EXPECT_EQ(message([&] { list.RemoveValueAt(2); }), "リストのインデックスが範囲を超えています (2)");
    EXPECT_EQ(message([&] { list.InsertValueAt(3, 0); }), "リストのインデックスが範囲を超えています (3)");
    EXPECT_EQ(Values(list), (std::vector<double>{1, 2}));
    list.InsertValueAt(2, 9);  // count itself appends
    EXPECT_EQ(list.LastValue(), 9);
    TChartValueList empty(nullptr, "Y");
    EXPECT_THROW(empty.LastValue(), EListError);
}

TEST(ValueListStorage, GrowsByTheRuleAndReleasesOnEmptying) {
    TChartValueList list(nullptr, "Y");
    std::vector<int> capacities;
    for (int i = 0; i < 120; ++i) {
        list.AddInOrder(i);
        if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147}));
    list.RemoveAllValues();
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(list.ValueCount(), 0);
}

TEST(ValueListStorage, CapacityLimit) {
    EXPECT_EQ(NextListCapacity(0), 4);
    EXPECT_EQ(NextListCapacity(8), 12);
    EXPECT_EQ(NextListCapacity(64), 80);
    EXPECT_EQ(NextListCapacity(100), 125);
    // The last growth step stops at the limit so the list can be filled completely.
    EXPECT_EQ(NextListCapacity(120'000'000), MaxListCapacity);
    try {
        NextListCapacity(MaxListCapacity);
        FAIL() << "no capacity error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "リストの容量が超えました (167772158)");
    }
}

}  // namespace
