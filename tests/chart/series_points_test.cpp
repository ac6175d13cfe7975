// A series without a chart: adding, overwriting, deleting and clearing points, colours and labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/errors.h"
#include "chart/series.h"
#include "tests/chart/chart_test_support.h"

namespace {

std::vector<std::string> Labels(const TChartSeries& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.PointCount(); ++i) out.push_back(s.PointLabel(i));
    return out;
}

TEST(SeriesConstruction, Defaults) {
    TChartSeries s;
    EXPECT_TRUE(s.Active());
    EXPECT_EQ(s.SeriesColor(), clDefault);
    EXPECT_TRUE(s.ShowInLegend());
    EXPECT_EQ(s.HorizAxis(), aBottomAxis);
    EXPECT_EQ(s.VertAxis(), aLeftAxis);
    EXPECT_EQ(s.ValueFormat(), "#,##0.###");
    EXPECT_EQ(s.PercentFormat(), "##0.## %");
    EXPECT_EQ(s.RecalcOptions(), rAllRecalcOptions);
    EXPECT_EQ(s.FirstVisible(), -1);
    EXPECT_EQ(s.LastVisible(), -1);
    EXPECT_TRUE(s.LimitToVisible());
    EXPECT_FALSE(s.ExtendPastEdge());
    ASSERT_EQ(s.ValueLists().Count(), 2);
    EXPECT_EQ(s.ValueLists().At(0), s.XValues());
    EXPECT_EQ(s.XValues()->Name(), "X");
    EXPECT_EQ(s.XValues()->Order(), loAscending);
    EXPECT_EQ(s.YValues()->Name(), "Y");
    EXPECT_EQ(s.YValues()->Order(), loNone);
    EXPECT_TRUE(s.YIsMain());
    EXPECT_EQ(s.ParentChart(), nullptr);
    EXPECT_EQ(s.PointCount(), 0);
}

TEST(SeriesAdd, PointsFollowTheirXInAscendingOrder) {
    TChartSeries s;
    EXPECT_EQ(s.AddPointXY(1, 10, "a", clRed), 0);
    EXPECT_EQ(s.AddPointXY(3, 30, "c", clBlue), 1);
    EXPECT_EQ(s.AddPointXY(2, 20, "b", clGreen), 1);
    EXPECT_EQ(Xs(s), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Ys(s), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(Labels(s), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(s.PointColor(1), clGreen);
    EXPECT_EQ(s.PointColor(2), clBlue);
}

TEST(SeriesAdd, EqualXKeepsArrivalOrder) {
    TChartSeries s;
    s.AddPointXY(5, 10);
    s.AddPointXY(5, 20);
    s.AddPointXY(5, 30);
    s.AddPointXY(4, 0);
    EXPECT_EQ(Ys(s), (std::vector<double>{0, 10, 20, 30}));
}

TEST(SeriesAdd, DescendingAndUnorderedX) {
    TChartSeries desc;
    desc.XValues()->SetOrder(loDescending);
    for (double x : {3, 1, 2}) desc.AddPointXY(x, x * 10);
    EXPECT_EQ(Xs(desc), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(Ys(desc), (std::vector<double>{30, 20, 10}));

    TChartSeries none;
    none.XValues()->SetOrder(loNone);
    for (double x : {3, 1, 2}) none.AddPointXY(x, 0);
    EXPECT_EQ(Xs(none), (std::vector<double>{3, 1, 2}));
}

TEST(SeriesAdd, BeforeAddCanRefuseOrChangeThePoint) {
    TChartSeries s;
    int afterAdds = 0;
    s.OnAfterAdd = [&](TChartSeries*, int) { ++afterAdds; };
    s.OnBeforeAdd = [](TChartSeries*) { return false; };
    EXPECT_EQ(s.AddPointXY(1, 2, "x"), -1);
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.PointColorCount(), 0);
    EXPECT_EQ(s.PointLabelCount(), 0);
    EXPECT_EQ(afterAdds, 0);

    s.OnBeforeAdd = [](TChartSeries* sender) {
        sender->XValues()->SetPendingValue(42);
        sender->YValues()->SetPendingValue(-1);
        return true;
    };
    EXPECT_EQ(s.AddPointXY(1, 2), 0);
    EXPECT_EQ(s.PointX(0), 42);
    EXPECT_EQ(s.PointY(0), -1);
    EXPECT_EQ(afterAdds, 1);
}

TEST(SeriesAdd, AfterAddReportsTheIndex) {
    TChartSeries s;
    std::vector<int> indexes;
    s.OnAfterAdd = [&](TChartSeries* sender, int index) {
        EXPECT_EQ(sender, &s);
        indexes.push_back(index);
    };
    s.AddPointXY(2, 0);
    s.AddPointXY(1, 0);
    s.AddPointXY(3, 0);
    EXPECT_EQ(indexes, (std::vector<int>{0, 0, 2}));
}

TEST(SeriesAdd, AddPointVariantsUseTheCountBeforeTheAdd) {
    TChartSeries s;
    s.AddPointY(7);
    s.AddPointY(8);
    s.AddPointX(9);
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 9}));
    EXPECT_EQ(Ys(s), (std::vector<double>{7, 8, 2}));
    EXPECT_EQ(s.AddPoint(5), 2);  // Y-main: the value goes to Y at X = count (3, before 9)
    EXPECT_EQ(s.PointX(2), 3);
    EXPECT_EQ(s.PointY(2), 5);
}

TEST(SeriesNullPoints, NullPointStoresZeroAndCountsInStatistics) {
    TChartSeries s;
    s.AddPointY(5);
    s.AddPointY(-2);
    EXPECT_EQ(s.AddNullPoint(), 2);
    EXPECT_EQ(s.PointX(2), 2);
    EXPECT_EQ(s.PointY(2), 0);
    EXPECT_TRUE(s.IsNullPoint(2));
    EXPECT_FALSE(s.IsNullPoint(1));
    EXPECT_EQ(s.PointColor(2), clNone);
    EXPECT_EQ(s.YValues()->ValueSum(), 3);
    EXPECT_EQ(s.AddNullPointXY(-1, 100), 0);
    EXPECT_EQ(s.HighestY(), 100);
    EXPECT_EQ(s.LowestX(), -1);
}

TEST(SeriesColours, DefaultColourTakesSeriesOrPaletteColour) {
    TChartSeries s;
    s.SetSeriesColor(clMaroon);
    s.AddPointY(1);
    s.AddPointY(2, "", clLime);
    EXPECT_EQ(s.PointColor(0), clMaroon);
    EXPECT_EQ(s.PointColor(1), clLime);
    EXPECT_EQ(s.PointColor(99), clMaroon);  // no entry: the series colour
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.PointColor(0), TChartSeries::PaletteColor(0));
    EXPECT_EQ(s.PointColor(1), clLime);
    s.SetColorEachPoint(false);
    EXPECT_EQ(s.PointColor(1), clMaroon);  // stored colours reset to clDefault
    s.SetPointColor(0, clAqua);
    s.SetColorEachPoint(false);  // also when already off
    EXPECT_EQ(s.PointColor(0), clMaroon);
}

TEST(SeriesColours, PaletteWrapsEvery16) {
    EXPECT_EQ(TChartSeries::PaletteColor(0), 0x0000FF);
    EXPECT_EQ(TChartSeries::PaletteColor(1), 0x008000);
    EXPECT_EQ(TChartSeries::PaletteColor(13), 0xC0C0C0);
    EXPECT_EQ(TChartSeries::PaletteColor(15), 0x000000);
    EXPECT_EQ(TChartSeries::PaletteColor(16), 0x0000FF);
    EXPECT_EQ(TChartSeries::PaletteColor(-1), 0x000000);
}

TEST(SeriesLabels, ReadBackUpToTheFirstNul) {
    TChartSeries s;
    s.AddPointY(1, std::string("ab\0cd", 5));
    s.AddPointY(2);
    EXPECT_EQ(s.PointLabel(0), "ab");
    EXPECT_EQ(s.PointLabel(1), "");
    EXPECT_EQ(s.PointLabel(2), "");
    EXPECT_EQ(s.PointLabelCount(), 2);
}

TEST(SeriesOverwrite, SetPointXDoesNotResort) {
    TChartSeries s;
    for (double x : {1, 2, 3}) s.AddPointXY(x, x);
    s.SetPointX(0, 100);
    EXPECT_EQ(Xs(s), (std::vector<double>{100, 2, 3}));
    EXPECT_EQ(s.HighestX(), 100);
    s.SetPointY(2, -5);
    EXPECT_EQ(s.LowestY(), -5);
    EXPECT_THROW(s.SetPointX(3, 0), EListError);
    EXPECT_THROW(s.SetPointY(-1, 0), EListError);
    EXPECT_THROW(s.SetPointColor(3, clRed), EListError);
    EXPECT_EQ(Xs(s), (std::vector<double>{100, 2, 3}));
}

TEST(SeriesMultiplier, ReportsScaledValuesAndRestoresExactly) {
    TChartSeries s;
    s.AddPointXY(1, 1.5);
    s.AddPointXY(2, -0.3);
    s.YValues()->SetMultiplier(2);
    EXPECT_EQ(Ys(s), (std::vector<double>{3.0, -0.6}));
    EXPECT_EQ(s.HighestY(), 3.0);
    EXPECT_EQ(s.YValues()->RawValueAt(0), 1.5);
    s.YValues()->SetMultiplier(1);
    EXPECT_EQ(Ys(s), (std::vector<double>{1.5, -0.3}));
}

TEST(SeriesDelete, RemovesEveryColumnOfThePoint) {
    TChartSeries s;
    s.AddPointXY(1, 10, "a", clRed);
    s.AddPointXY(2, 20, "b", clBlue);
    s.AddPointXY(3, 30, "c", clLime);
    s.DeletePoint(1);
    EXPECT_EQ(Xs(s), (std::vector<double>{1, 3}));
    EXPECT_EQ(Ys(s), (std::vector<double>{10, 30}));
    EXPECT_EQ(Labels(s), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(s.PointColor(1), clLime);
    try {
        s.DeletePoint(2);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (2)");
    }
    EXPECT_EQ(s.PointCount(), 2);
    EXPECT_EQ(s.PointColorCount(), 2);
}

TEST(SeriesClear, FiresOnEmptySeriesAndReleasesStorage) {
    TChartSeries s;
    int clears = 0;
    s.OnClearValues = [&](TChartSeries* sender) {
        EXPECT_EQ(sender, &s);
        ++clears;
    };
    s.ClearPoints();
    EXPECT_EQ(clears, 1);
    for (int i = 0; i < 100; ++i) s.AddPointXY(i, i, "label");
    s.ClearPoints();
    EXPECT_EQ(clears, 2);
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.XValues()->Capacity(), 0);
    EXPECT_EQ(s.YValues()->Capacity(), 0);
    EXPECT_EQ(s.PointColorCapacity(), 0);
    EXPECT_EQ(s.PointLabelCapacity(), 0);
    EXPECT_EQ(s.HighestX(), 0);
}

TEST(SeriesSort, MovesWholePoints) {
    TChartSeries s;
    s.XValues()->SetOrder(loNone);
    const std::vector<double> xs = {5, 1, 4, 2, 3, 0, 9, 7};
    for (double x : xs) s.AddPointXY(x, x * 10, std::to_string(static_cast<int>(x)), static_cast<TColor>(x));
    s.XValues()->SetOrder(loAscending);
    s.XValues()->SortByOrder();
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 2, 3, 4, 5, 7, 9}));
    for (int i = 0; i < s.PointCount(); ++i) {
        EXPECT_EQ(s.PointY(i), s.PointX(i) * 10);
        EXPECT_EQ(s.PointLabel(i), std::to_string(static_cast<int>(s.PointX(i))));
        EXPECT_EQ(s.PointColor(i), static_cast<TColor>(s.PointX(i)));
    }
    s.YValues()->SetOrder(loDescending);
    s.YValues()->SortByOrder();
    EXPECT_EQ(Xs(s), (std::vector<double>{9, 7, 5, 4, 3, 2, 1, 0}));
}

TEST(SeriesValueLists, NamedLookupFallsBackToY) {
    TChartSeries s;
    auto* extra = new TChartValueList(&s, "Bar");  // owned by the series
    EXPECT_EQ(s.ValueLists().Count(), 3);
    EXPECT_EQ(s.ValueListNamed("bAR"), extra);
    EXPECT_EQ(s.ValueListNamed("X"), s.YValues());
    EXPECT_EQ(s.ValueListNamed("missing"), s.YValues());
    extra->SetPendingValue(7);
    s.AddPointXY(1, 2);
    EXPECT_EQ(extra->ValueAt(0), 7);
    s.DeletePoint(0);
    EXPECT_EQ(extra->ValueCount(), 0);
}

TEST(SeriesProperties, AssigningValueListsCopiesSettingsOnly) {
    TChartSeries s;
    s.AddPointXY(1, 2);
    TChartValueList settings(nullptr, "Other");
    settings.SetOrder(loDescending);
    settings.SetMultiplier(10);
    s.SetXValues(settings);
    EXPECT_EQ(s.XValues()->Name(), "X");
    EXPECT_EQ(s.XValues()->Order(), loDescending);
    EXPECT_EQ(s.PointX(0), 10);
    s.SetStyle(0xFF);
    EXPECT_EQ(s.Style(), 0x3F);
}

}  // namespace
