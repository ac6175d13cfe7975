// The chart's series list on a real chart: order and index errors, attaching and detaching, free
// colours, axis extremes, paging, axis resolution and the visible index range.
#include "chart/serieslist.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/errors.h"
#include "chart/series.h"

namespace {

// Counts repaint requests so that tests can see which changes ask for one.
class CountingChart : public TChart {
  public:
    void RequestRedraw() override {
        ++requests;
        TChart::RequestRedraw();
    }
    int requests = 0;
};

// A series whose values are its X column (Y orders the points), as horizontal bar kinds have.
class XMainSeries : public TChartSeries {
  public:
    using TChartSeries::TChartSeries;
    TChartValueList* MainValues() const override { return XValues(); }
};

class SeriesListTest : public ::testing::Test {
  protected:
    TChartSeries* NewSeries(const std::string& name, TColor colour = clBlack) {
        auto* s = new TChartSeries(&form);  // owned by the form
        s->SetName(name);
        s->SetSeriesColor(colour);
        s->SetParentChart(&chart);
        return s;
    }
    static void Fill(TChartSeries* s, double from, double to, double step) {
        for (double x = from; x <= to; x += step) s->AddPointXY(x, x * 2);
    }
    // The bottom axis shows [min, max] over the plot rectangle's width.
    void ShowBottom(double min, double max) {
        chart.SetPlotRect({100, 20, 300, 220});
        chart.BottomAxis()->SetStartPixel(100);
        chart.BottomAxis()->SetEndPixel(300);
        chart.BottomAxis()->SetRangeMin(min);
        chart.BottomAxis()->SetRangeMax(max);
    }

    TComponent form;
    CountingChart chart;
};

TEST_F(SeriesListTest, SeriesAtFollowsAttachOrderAndRejectsBadIndexes) {
    TChartSeries* a = NewSeries("A");
    TChartSeries* b = NewSeries("B");
    EXPECT_EQ(chart.CountSeries(), 2);
    EXPECT_EQ(chart.SeriesAt(0), a);
    EXPECT_EQ(chart.SeriesAt(1), b);
    EXPECT_EQ(chart.SeriesList().IndexOf(b), 1);
    try {
        chart.SeriesAt(2);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (2)");
    }
    EXPECT_THROW(chart.SeriesAt(-1), EListError);
    chart.AttachSeries(a);  // already attached: no duplicate
    EXPECT_EQ(chart.CountSeries(), 2);
    EXPECT_EQ(a->ParentChart(), &chart);
    EXPECT_EQ(a->ResolvedHorizAxis(), chart.BottomAxis());
    EXPECT_EQ(a->ResolvedVertAxis(), chart.LeftAxis());
}

TEST_F(SeriesListTest, DetachingIndexThreeMovesTheNextSeriesDown) {
    std::vector<TChartSeries*> all;
    for (const char* name : {"S0", "S1", "S2", "S3", "S4"}) all.push_back(NewSeries(name));
    all[3]->AddPointXY(1, 1);
    chart.DetachSeries(all[3]);
    EXPECT_EQ(chart.CountSeries(), 4);
    EXPECT_EQ(chart.SeriesAt(3), all[4]);
    EXPECT_EQ(all[3]->ParentChart(), nullptr);
    EXPECT_EQ(all[3]->ResolvedHorizAxis(), nullptr);
    EXPECT_EQ(all[3]->PointCount(), 1);  // points stay
    chart.DetachSeries(all[3]);          // not attached: nothing
    EXPECT_EQ(chart.CountSeries(), 4);
}

TEST_F(SeriesListTest, MovingToAnotherChartDetachesFromTheFirst) {
    TChartSeries* s = NewSeries("S");
    TChart other;
    s->SetParentChart(&other);
    EXPECT_EQ(chart.CountSeries(), 0);
    EXPECT_EQ(other.SeriesAt(0), s);
    chart.AttachSeries(s);
    EXPECT_EQ(other.CountSeries(), 0);
    EXPECT_EQ(s->ParentChart(), &chart);
}

TEST_F(SeriesListTest, NewSeriesGetsTheFirstFreePaletteColour) {
    NewSeries("Red", TChartSeries::PaletteColor(0));
    NewSeries("Green", TChartSeries::PaletteColor(1));
    TChartSeries* third = NewSeries("Third", clDefault);
    EXPECT_EQ(third->SeriesColor(), TChartSeries::PaletteColor(2));
    // A colour of the chart itself counts as taken.
    chart.SetColor(TChartSeries::PaletteColor(3));
    TChartSeries* fourth = NewSeries("Fourth", clDefault);
    EXPECT_EQ(fourth->SeriesColor(), TChartSeries::PaletteColor(4));
    EXPECT_EQ(chart.PickFreeSeriesColor(false), TChartSeries::PaletteColor(3));
}

TEST_F(SeriesListTest, AllPaletteColoursTakenFallsBackToTheFirst) {
    for (int i = 0; i < 16; ++i) NewSeries("P", TChartSeries::PaletteColor(i));
    EXPECT_EQ(chart.PickFreeSeriesColor(false), TChartSeries::PaletteColor(0));
}

TEST_F(SeriesListTest, AxisExtremeOverActiveAndInactiveSeries) {
    TChartSeries* a = NewSeries("A");
    TChartSeries* b = NewSeries("B");
    TCustomChartAxis* bottom = chart.BottomAxis();
    EXPECT_EQ(chart.AxisExtreme(bottom, true, true), 0);
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 0);
    Fill(a, 0, 120, 10);
    Fill(b, 0, 60, 10);
    EXPECT_EQ(chart.AxisExtreme(bottom, true, true), 0);
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 120);
    EXPECT_EQ(chart.AxisExtreme(chart.LeftAxis(), false, false), 240);
    // An inactive series does not count while an active one uses the axis ...
    a->SetActive(false);
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 60);
    // ... but does when no active series is left on it.
    b->SetActive(false);
    EXPECT_EQ(chart.AxisExtreme(bottom, true, true), 0);
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 120);
}

TEST_F(SeriesListTest, AxisExtremeTakesOnlySeriesOnThatAxis) {
    TChartSeries* top = NewSeries("Top");
    top->SetHorizAxis(aTopAxis);
    Fill(top, -50, 500, 50);
    TChartSeries* bottom = NewSeries("Bottom");
    Fill(bottom, 10, 20, 10);
    EXPECT_EQ(chart.AxisExtreme(chart.BottomAxis(), true, true), 10);
    EXPECT_EQ(chart.AxisExtreme(chart.TopAxis(), true, true), -50);
    bottom->SetHorizAxis(aBothHorizAxis);
    EXPECT_EQ(chart.AxisExtreme(chart.TopAxis(), false, true), 500);
    EXPECT_EQ(chart.AxisExtreme(chart.TopAxis(), true, true), -50);
    EXPECT_EQ(chart.AxisExtreme(nullptr, true, true), 0);
}

TEST_F(SeriesListTest, SeriesOnAxisQueries) {
    TChartSeries* a = NewSeries("A");
    TChartSeries* b = NewSeries("B");
    b->SetVertAxis(aRightAxis);
    EXPECT_EQ(chart.FirstSeriesOn(chart.BottomAxis()), a);
    EXPECT_EQ(chart.FirstSeriesOn(chart.RightAxis()), b);
    EXPECT_EQ(chart.FirstSeriesOn(chart.TopAxis()), nullptr);
    a->SetActive(false);
    EXPECT_EQ(chart.FirstSeriesOn(chart.BottomAxis()), b);
    EXPECT_TRUE(chart.NoActiveSeriesOn(chart.LeftAxis()));
    EXPECT_EQ(chart.FirstSeriesOn(chart.LeftAxis()), a);  // no active one: the first at all
    EXPECT_EQ(chart.SeriesList().ActiveSeriesCount(), 1);
}

TEST_F(SeriesListTest, ResolveAxesAndUsesAxis) {
    TChartSeries* s = NewSeries("S");
    s->SetHorizAxis(aTopAxis);
    s->SetVertAxis(aRightAxis);
    EXPECT_EQ(s->ResolvedHorizAxis(), chart.TopAxis());
    EXPECT_EQ(s->ResolvedVertAxis(), chart.RightAxis());
    EXPECT_TRUE(s->UsesAxis(chart.TopAxis()));
    EXPECT_FALSE(s->UsesAxis(chart.BottomAxis()));
    EXPECT_FALSE(s->UsesAxis(chart.DepthAxis()));
    s->SetHorizAxis(aBothHorizAxis);
    EXPECT_EQ(s->ResolvedHorizAxis(), chart.BottomAxis());
    EXPECT_TRUE(s->UsesAxis(chart.TopAxis()));
    TChartAxis custom(&chart, asLeft);
    s->SetVertAxis(aCustomVertAxis);
    EXPECT_EQ(s->ResolvedVertAxis(), chart.LeftAxis());  // no custom axis set yet
    s->SetCustomVertAxis(&custom);
    EXPECT_EQ(s->ResolvedVertAxis(), &custom);
    EXPECT_TRUE(s->UsesAxis(&custom));
    s->SetCustomVertAxis(nullptr);
}

TEST_F(SeriesListTest, VisibleRangeStopsInsideOrOnePastTheEdge) {
    TChartSeries* s = NewSeries("S");
    for (double x : {0, 10, 20, 30}) s->AddPointXY(x, 1);
    ShowBottom(5, 25);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->FirstVisible(), 1);
    EXPECT_EQ(s->LastVisible(), 2);
    s->SetExtendPastEdge(true);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->LastVisible(), 3);
    ShowBottom(40, 50);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->FirstVisible(), -1);
    EXPECT_EQ(s->LastVisible(), -1);
    ShowBottom(-10, 30);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->FirstVisible(), 0);
    EXPECT_EQ(s->LastVisible(), 3);
}

TEST_F(SeriesListTest, VisibleRangeOnAnInvertedAxisAndUnlimitedSeries) {
    TChartSeries* s = NewSeries("S");
    for (double x : {0, 10, 20, 30}) s->AddPointXY(x, 1);
    ShowBottom(5, 25);
    chart.BottomAxis()->SetInverted(true);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->FirstVisible(), 1);
    EXPECT_EQ(s->LastVisible(), 2);
    chart.BottomAxis()->SetInverted(false);
    s->SetLimitToVisible(false);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->FirstVisible(), 0);
    EXPECT_EQ(s->LastVisible(), 3);
    s->SetLimitToVisible(true);
    s->XValues()->SetOrder(loNone);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->LastVisible(), 3);
    s->ClearPoints();
    s->ComputeVisibleRange();
    EXPECT_EQ(s->FirstVisible(), -1);
}

TEST_F(SeriesListTest, VisibleRangeAlongTheVerticalAxisForXMainSeries) {
    auto* s = new XMainSeries(&form);
    s->SetParentChart(&chart);
    s->YValues()->SetOrder(loAscending);
    s->XValues()->SetOrder(loNone);
    for (double y : {0, 10, 20, 30}) s->AddPointXY(1, y);
    chart.SetPlotRect({100, 20, 300, 220});
    chart.LeftAxis()->SetStartPixel(20);
    chart.LeftAxis()->SetEndPixel(220);
    chart.LeftAxis()->SetRangeMin(5);
    chart.LeftAxis()->SetRangeMax(25);
    s->ComputeVisibleRange();
    EXPECT_EQ(s->FirstVisible(), 1);
    EXPECT_EQ(s->LastVisible(), 2);
}

TEST_F(SeriesListTest, DrawValuesVisitsTheVisibleRange) {
    struct Recording : TChartSeries {
        using TChartSeries::TChartSeries;
        void DrawValueAt(int index) override { drawn.push_back(index); }
        std::vector<int> drawn;
    };
    auto* s = new Recording(&form);
    s->SetParentChart(&chart);
    for (double x : {0, 10, 20, 30}) s->AddPointXY(x, 1);
    ShowBottom(5, 25);
    s->ComputeVisibleRange();
    int before = 0;
    int after = 0;
    s->BeforeDrawValues = [&](TChartSeries*) { ++before; };
    s->AfterDrawValues = [&](TChartSeries*) { ++after; };
    s->BeginValues();
    s->DrawValues();
    s->EndValues();
    EXPECT_EQ(s->drawn, (std::vector<int>{1, 2}));
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
}

TEST_F(SeriesListTest, PagingValidatesAndClampsThePage) {
    TChartSeries* s = NewSeries("S");
    Fill(s, 0, 90, 10);  // 10 points
    EXPECT_EQ(chart.PageCount(), 1);
    try {
        chart.SetMaxPointsPerPage(-1);
        FAIL() << "no error";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "MaxPointsPerPage は 0 以上でなければなりません");
    }
    EXPECT_EQ(chart.MaxPointsPerPage(), 0);
    int changes = 0;
    chart.OnPageChange = [&](TCustomChartPanel* sender) {
        EXPECT_EQ(sender, &chart);
        ++changes;
    };
    chart.SetMaxPointsPerPage(4);
    EXPECT_EQ(chart.PageCount(), 3);
    chart.SetPage(9);
    EXPECT_EQ(chart.Page(), 3);
    EXPECT_EQ(changes, 1);
    chart.SetPage(3);
    EXPECT_EQ(changes, 1);
    chart.SetPage(-2);
    EXPECT_EQ(chart.Page(), 1);
    chart.SetPage(3);
    chart.SetMaxPointsPerPage(5);  // two pages now: the page follows
    EXPECT_EQ(chart.Page(), 2);
    chart.SetMaxPointsPerPage(0);
    EXPECT_EQ(chart.Page(), 1);
    EXPECT_EQ(changes, 5);
    chart.SetMaxPointsPerPage(std::numeric_limits<int>::max());  // one page, however large
    EXPECT_EQ(chart.PageCount(), 1);
    EXPECT_EQ(chart.AxisExtreme(chart.BottomAxis(), false, true), 90);
}

TEST_F(SeriesListTest, PagedExtremesFollowThePage) {
    TChartSeries* s = NewSeries("S");
    Fill(s, 0, 90, 10);  // X = 0 .. 90, Y = 0 .. 180
    TCustomChartAxis* bottom = chart.BottomAxis();
    chart.SetMaxPointsPerPage(4);
    EXPECT_EQ(chart.AxisExtreme(bottom, true, true), 0);
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 30);
    chart.SetPage(2);
    EXPECT_EQ(chart.AxisExtreme(bottom, true, true), 40);
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 70);
    chart.SetPage(3);  // the short last page
    EXPECT_EQ(chart.AxisExtreme(bottom, true, true), 80);
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 90);
    chart.SetScaleLastPage(false);  // keeps the scale of a full page
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 100);
    // The value axis is not paged.
    EXPECT_EQ(chart.AxisExtreme(chart.LeftAxis(), false, false), 180);
    // Fewer points than the page needs: a page past the end shows the last full page.
    for (int i = 0; i < 3; ++i) s->DeletePoint(s->PointCount() - 1);  // 7 points left
    EXPECT_EQ(chart.AxisExtreme(bottom, true, true), 0);
    s->ClearPoints();
    EXPECT_EQ(chart.AxisExtreme(bottom, false, true), 0);
}

TEST_F(SeriesListTest, RepaintRequestsOfSeriesChanges) {
    TChartSeries* s = NewSeries("S");
    chart.requests = 0;
    s->ClearPoints();  // also on an empty series
    EXPECT_EQ(chart.requests, 1);
    s->AddPointXY(1, 1);
    EXPECT_EQ(chart.requests, 2);
    s->OnBeforeAdd = [](TChartSeries*) { return false; };
    s->AddPointXY(2, 2);
    EXPECT_EQ(chart.requests, 2);
    s->XValues()->SetValueAt(0, 5);  // leaves the repaint to its caller
    EXPECT_EQ(chart.requests, 2);
    s->SetTitle("T");
    s->SetTitle("T");
    EXPECT_EQ(chart.requests, 3);
    s->XValues()->SortByOrder();  // the points may move
    EXPECT_EQ(chart.requests, 4);
    s->YValues()->SortByOrder();  // loNone: nothing
    EXPECT_EQ(chart.requests, 4);
    s->SetActive(false);
    chart.requests = 0;
    s->OnBeforeAdd = nullptr;
    s->AddPointXY(3, 3);
    s->ClearPoints();
    EXPECT_EQ(chart.requests, 0);  // inactive series stay quiet
}

TEST_F(SeriesListTest, AddAndClearNotifyInOrderAndRepaintLast) {
    TChartSeries* source = NewSeries("Source");
    TChartSeries* d = NewSeries("D");
    d->SetDataSource(source);
    chart.requests = 0;
    int afterAdds = 0;
    source->OnAfterAdd = [&](TChartSeries* sender, int index) {
        ++afterAdds;
        EXPECT_EQ(index, 0);
        EXPECT_EQ(sender->PointCount(), 1);  // stored before the event
        EXPECT_EQ(d->PointCount(), 0);       // dependents hear of it after the event
        EXPECT_EQ(chart.requests, 0);        // the repaint request comes last
    };
    source->AddPointXY(1, 10);
    EXPECT_EQ(afterAdds, 1);
    EXPECT_EQ(d->PointCount(), 1);
    EXPECT_EQ(chart.requests, 2);  // the dependent's and the source's

    chart.requests = 0;
    int clears = 0;
    source->OnClearValues = [&](TChartSeries* sender) {
        ++clears;
        EXPECT_EQ(sender->PointCount(), 0);
        EXPECT_EQ(d->PointCount(), 1);
        EXPECT_EQ(chart.requests, 0);
    };
    source->ClearPoints();
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(d->PointCount(), 0);
    EXPECT_EQ(chart.requests, 2);
}

TEST_F(SeriesListTest, TurningColorEachPointOffResetsEveryPointColour) {
    TChartSeries* s = NewSeries("S", clBlue);
    for (TColor c : {clRed, clGreen, clNone}) s->AddPointXY(s->PointCount(), 0, {}, c);
    chart.requests = 0;
    s->SetColorEachPoint(false);  // already off: still resets, one request per point
    EXPECT_EQ(chart.requests, 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(s->PointColor(i), clBlue);
    s->SetColorEachPoint(true);
    s->SetColorEachPoint(true);  // unchanged: nothing
    EXPECT_EQ(chart.requests, 4);
    EXPECT_EQ(s->PointColor(2), TChartSeries::PaletteColor(2));
}

TEST_F(SeriesListTest, DestroyingSeriesAndChart) {
    TChartSeries* a = NewSeries("A");
    NewSeries("B");
    delete a;  // a destroyed series leaves the list
    EXPECT_EQ(chart.CountSeries(), 1);
    EXPECT_EQ(form.ComponentCount(), 1);
    chart.DestroyAllSeries();
    EXPECT_EQ(chart.CountSeries(), 0);
    EXPECT_EQ(form.ComponentCount(), 0);
    {
        TChart scoped;
        (new TChartSeries(&form))->SetParentChart(&scoped);
        EXPECT_EQ(form.ComponentCount(), 1);
    }
    EXPECT_EQ(form.ComponentCount(), 0);  // the chart destroyed the still attached series
}

}  // namespace
