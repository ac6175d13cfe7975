// Series that take their points from another series: validation, and how each kind of change of the
// source reaches its dependents.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/errors.h"
#include "chart/series.h"
#include "tests/chart/chart_test_support.h"

namespace {

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ChartException& e) {
        return e.what();
    }
    return "no error";
}

class DependentSeriesTest : public ::testing::Test {
  protected:
    TChartSeries* NewSeries(const std::string& name) {
        auto* s = new TChartSeries(&form);  // owned by the form
        s->SetName(name);
        s->SetParentChart(&chart);
        return s;
    }
    TComponent form;
    TChart chart;
};

TEST_F(DependentSeriesTest, InvalidSourcesAreRejectedAndChangeNothing) {
    TChartSeries* a = NewSeries("A");
    TChartSeries* b = NewSeries("B");
    TChartSeries loose(&form);
    loose.SetName("Loose");
    EXPECT_EQ(ErrorOf([&] { loose.SetDataSource(a); }),
              "ParentChart プロパティが指定されていないので DataSource を検証できません。");
    EXPECT_EQ(ErrorOf([&] { a->SetDataSource(a); }), "A は DataSource プロパティには指定できません。");
    TComponent other(&form);
    other.SetName("Other");
    EXPECT_EQ(ErrorOf([&] { a->SetDataSource(&other); }),
              "Other は DataSource プロパティには指定できません。");

    TChartSeries* c = NewSeries("C");
    b->SetDataSource(a);
    c->SetDataSource(b);
    EXPECT_EQ(ErrorOf([&] { a->SetDataSource(c); }), "系列の循環参照は許されません");
    EXPECT_EQ(ErrorOf([&] { a->SetDataSource(b); }), "系列の循環参照は許されません");
    EXPECT_EQ(a->DataSource(), nullptr);
    EXPECT_TRUE(a->DependentSeries().size() == 1 && a->DependentSeries()[0] == b);
}

TEST_F(DependentSeriesTest, SettingASourceCopiesItsPoints) {
    TChartSeries* source = NewSeries("Source");
    source->AddPointXY(1, 10, "one", clRed);
    source->AddPointXY(2, 20, "two");
    TChartSeries* d = NewSeries("D");
    d->AddPointXY(99, 99);
    d->SetDataSource(source);
    EXPECT_EQ(d->DataSource(), source);
    EXPECT_EQ(Xs(*d), (std::vector<double>{1, 2}));
    EXPECT_EQ(Ys(*d), (std::vector<double>{10, 20}));
    EXPECT_EQ(d->PointLabel(0), "one");
    EXPECT_EQ(d->PointColor(0), clRed);
    EXPECT_EQ(d->PointColor(1), d->SeriesColor());
}

TEST_F(DependentSeriesTest, InsertDeleteModifyAndClearReachDependents) {
    TChartSeries* source = NewSeries("Source");
    TChartSeries* d = NewSeries("D");
    d->SetDataSource(source);
    source->AddPointXY(3, 30);
    source->AddPointXY(1, 10, "first");
    EXPECT_EQ(Xs(*d), (std::vector<double>{1, 3}));
    EXPECT_EQ(d->PointLabel(0), "first");
    source->DeletePoint(1);
    EXPECT_EQ(Xs(*d), (std::vector<double>{1}));
    source->SetPointY(0, -5);
    EXPECT_EQ(Ys(*d), (std::vector<double>{-5}));
    int clears = 0;
    d->OnClearValues = [&](TChartSeries*) { ++clears; };
    source->ClearPoints();
    EXPECT_EQ(d->PointCount(), 0);
    EXPECT_GE(clears, 1);
}

TEST_F(DependentSeriesTest, RecalcOptionsFilterTheChanges) {
    TChartSeries* source = NewSeries("Source");
    TChartSeries* d = NewSeries("D");
    d->SetDataSource(source);
    d->SetRecalcOptions(rOnClear);
    source->AddPointXY(1, 1);
    EXPECT_EQ(d->PointCount(), 0);
    d->SetRecalcOptions(rOnInsert);
    source->AddPointXY(2, 2);
    source->ClearPoints();
    EXPECT_EQ(Xs(*d), (std::vector<double>{2}));
}

TEST_F(DependentSeriesTest, MultiplierChangeRefreshesDependents) {
    TChartSeries* source = NewSeries("Source");
    source->AddPointXY(1, 10);
    TChartSeries* d = NewSeries("D");
    d->SetDataSource(source);
    d->SetRecalcOptions(0);  // a refresh is forwarded regardless
    source->YValues()->SetMultiplier(3);
    EXPECT_EQ(Ys(*d), (std::vector<double>{30}));
    EXPECT_EQ(d->YValues()->Multiplier(), 1);
}

TEST_F(DependentSeriesTest, ChangesTravelDownAChain) {
    TChartSeries* a = NewSeries("A");
    TChartSeries* b = NewSeries("B");
    TChartSeries* c = NewSeries("C");
    b->SetDataSource(a);
    c->SetDataSource(b);
    a->AddPointXY(1, 2);
    a->AddPointXY(0, 4);
    EXPECT_EQ(Xs(*c), (std::vector<double>{0, 1}));
    a->ClearPoints();
    EXPECT_EQ(c->PointCount(), 0);
}

TEST_F(DependentSeriesTest, SwitchingAndRemovingTheSource) {
    TChartSeries* first = NewSeries("First");
    TChartSeries* second = NewSeries("Second");
    first->AddPointXY(1, 1);
    second->AddPointXY(2, 2);
    TChartSeries* d = NewSeries("D");
    d->SetDataSource(first);
    d->SetDataSource(second);
    EXPECT_TRUE(first->DependentSeries().empty());
    EXPECT_EQ(d->DataSources().size(), 1u);
    EXPECT_EQ(Xs(*d), (std::vector<double>{2}));
    first->AddPointXY(5, 5);
    EXPECT_EQ(Xs(*d), (std::vector<double>{2}));
    d->SetDataSource(nullptr);
    EXPECT_TRUE(second->DependentSeries().empty());
    EXPECT_EQ(d->PointCount(), 0);
}

TEST_F(DependentSeriesTest, DestroyingEitherSideUnlinks) {
    TChartSeries* source = NewSeries("Source");
    source->AddPointXY(1, 1);
    TChartSeries* d = NewSeries("D");
    d->SetDataSource(source);
    delete source;
    EXPECT_EQ(d->DataSource(), nullptr);
    EXPECT_EQ(d->PointCount(), 1);  // keeps what it had

    TChartSeries* again = NewSeries("Again");
    TChartSeries* dependent = NewSeries("Dependent");
    dependent->SetDataSource(again);
    delete dependent;
    EXPECT_TRUE(again->DependentSeries().empty());
    again->AddPointXY(1, 1);  // must not reach the destroyed series
}

TEST_F(DependentSeriesTest, XMainDependentSwapsTheCoordinates) {
    struct XMain : TChartSeries {
        using TChartSeries::TChartSeries;
        TChartValueList* MainValues() const override { return XValues(); }
    };
    TChartSeries* source = NewSeries("Source");
    source->AddPointXY(1, 10);
    auto* d = new XMain(&form);
    d->SetParentChart(&chart);
    d->SetDataSource(source);
    EXPECT_EQ(d->PointX(0), 10);
    EXPECT_EQ(d->PointY(0), 1);
}

TEST_F(DependentSeriesTest, DetachedDependentStopsFollowingUntilReattached) {
    TChartSeries* source = NewSeries("Source");
    TChartSeries* d = NewSeries("D");
    d->SetDataSource(source);
    chart.DetachSeries(d);
    EXPECT_TRUE(source->DependentSeries().empty());
    source->AddPointXY(1, 1);
    EXPECT_EQ(d->PointCount(), 0);
    chart.AttachSeries(d);  // re-reads its data source
    EXPECT_EQ(d->PointCount(), 1);
    source->AddPointXY(2, 2);
    EXPECT_EQ(d->PointCount(), 2);
}

TEST_F(DependentSeriesTest, DetachedDependentForgetsASourceThatIsDestroyed) {
    TChartSeries* source = NewSeries("Source");
    TChartSeries* d = NewSeries("D");
    source->AddPointXY(1, 1);
    d->SetDataSource(source);
    chart.DetachSeries(d);
    delete source;
    EXPECT_EQ(d->DataSource(), nullptr);
    EXPECT_EQ(d->PointCount(), 1);  // its points stay
    chart.AttachSeries(d);          // nothing left to re-read
    EXPECT_EQ(d->PointCount(), 1);
    delete d;
}

}  // namespace
