// Series read from a form description: attach order, stored settings, and the deferred data-source
// rules while loading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/errors.h"
#include "chart/fastline.h"
#include "chart/series.h"
#include "chart/shape.h"

namespace {

struct StoredSeries {
    const char* name;
    const char* title;
    TColor colour;
    bool showInLegend;
};

// The calculator's chart, in the order of its form description.
const std::vector<StoredSeries> kChart1Series = {
    {"Series13", "PowerBand", clWhite, false}, {"Series1", "1st", 0xFF5955, true},
    {"Series2", "2nd", 0xFFC855, true},        {"Series3", "3rd", 0x6AD500, true},
    {"Series4", "4th", 0x00D5A5, true},        {"Series5", "5th", 0x55CCFF, true},
    {"Series6", "6th", 0x5555FF, true},        {"Series8", "1stGray", clSilver, false},
    {"Series7", "2ndGray", clSilver, false},   {"Series9", "3rdGray", clSilver, false},
    {"Series10", "4thGray", clSilver, false},  {"Series11", "5thGray", clSilver, false},
    {"Series12", "6thGray", clSilver, false},
};

// Applies one series' stored properties in description order; the power band is a shape, the gear
// lines are fast lines.
TChartSeries* LoadSeries(TComponent& form, TChart& chart, const StoredSeries& stored) {
    TChartSeries* s = std::string(stored.name) == "Series13"
                          ? static_cast<TChartSeries*>(new TChartShape(&form))
                          : new TFastLineSeries(&form);  // owned by the form
    s->SetName(stored.name);
    s->SetParentChart(&chart);
    s->Marks()->SetVisible(false);
    s->SetSeriesColor(stored.colour);
    s->SetShowInLegend(stored.showInLegend);
    s->SetTitle(stored.title);
    TChartValueList x(nullptr, "X");
    x.SetOrder(loAscending);
    s->SetXValues(x);
    TChartValueList y(nullptr, "Y");
    s->SetYValues(y);
    return s;
}

class SeriesLoadingTest : public ::testing::Test {
  protected:
    void Begin() {
        form.BeginLoading();
        chart.BeginLoading();
    }
    void End() {
        chart.EndLoading();
        form.EndLoading();
    }
    TComponent form;
    TChart chart;
};

TEST_F(SeriesLoadingTest, ThirteenSeriesKeepDescriptionOrderAndSettings) {
    Begin();
    for (const StoredSeries& stored : kChart1Series) LoadSeries(form, chart, stored);
    End();
    ASSERT_EQ(chart.CountSeries(), 13);
    for (int i = 0; i < 13; ++i) {
        const TChartSeries* s = chart.SeriesAt(i);
        const StoredSeries& stored = kChart1Series[static_cast<size_t>(i)];
        EXPECT_EQ(s->Name(), stored.name);
        EXPECT_EQ(s->Title(), stored.title);
        EXPECT_EQ(s->SeriesColor(), stored.colour);
        EXPECT_EQ(s->ShowInLegend(), stored.showInLegend);
        EXPECT_EQ(s->XValues()->Order(), loAscending);
        EXPECT_EQ(s->YValues()->Order(), loNone);
        EXPECT_FALSE(s->Marks()->Visible());
    }
    EXPECT_NE(dynamic_cast<const TChartShape*>(chart.SeriesAt(0)), nullptr);
    EXPECT_NE(dynamic_cast<const TFastLineSeries*>(chart.SeriesAt(1)), nullptr);
    EXPECT_EQ(chart.SeriesAt(7)->Name(), "Series8");
    EXPECT_EQ(chart.SeriesAt(8)->Name(), "Series7");
    try {
        chart.SeriesAt(13);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (13)");
    }
    // The recalculation reaches series 1 to 12 by index.
    for (int i = 1; i <= 12; ++i) chart.SeriesAt(i)->AddPointXY(0, 0);
    EXPECT_EQ(chart.SeriesAt(12)->PointCount(), 1);
}

TEST_F(SeriesLoadingTest, DataSourceIsNeitherReplacedNorCopiedWhileLoading) {
    TChartSeries* a = LoadSeries(form, chart, {"A", "a", clRed, true});
    TChartSeries* b = LoadSeries(form, chart, {"B", "b", clBlue, true});
    a->AddPointXY(1, 1);
    b->AddPointXY(2, 2);
    Begin();
    TChartSeries* d = LoadSeries(form, chart, {"D", "d", clGreen, true});
    d->SetDataSource(a);
    d->SetDataSource(b);
    EXPECT_EQ(d->DataSources().size(), 2u);
    EXPECT_EQ(d->PointCount(), 0);
    End();
    EXPECT_EQ(d->DataSource(), a);
    EXPECT_EQ(d->PointCount(), 1);  // re-read from the first source when loading ended
    EXPECT_EQ(d->PointX(0), 1);
}

TEST_F(SeriesLoadingTest, StoredSourceNamesResolveWhenLoadingEnds) {
    Begin();
    TChartSeries* d = LoadSeries(form, chart, {"D", "d", clGreen, true});
    d->SetDataSourceNames({"Source", "Missing"});  // a later component, and one that is not there
    TChartSeries* source = LoadSeries(form, chart, {"Source", "s", clRed, true});
    source->AddPointXY(3, 4);
    EXPECT_EQ(d->DataSource(), nullptr);
    End();
    EXPECT_EQ(d->DataSource(), source);
    ASSERT_EQ(d->DataSources().size(), 1u);
    EXPECT_EQ(d->PointCount(), 1);
    source->AddPointXY(5, 6);
    EXPECT_EQ(d->PointCount(), 2);
}

TEST_F(SeriesLoadingTest, SourceNamesThatWouldFormACycleAreSkipped) {
    Begin();
    TChartSeries* a = LoadSeries(form, chart, {"A", "a", clRed, true});
    TChartSeries* b = LoadSeries(form, chart, {"B", "b", clBlue, true});
    a->SetDataSourceNames({"B"});
    b->SetDataSourceNames({"A", "B"});
    End();
    EXPECT_EQ(a->DataSource(), b);
    EXPECT_TRUE(b->DataSources().empty());
}

TEST_F(SeriesLoadingTest, SeriesWithoutColourGetsAPaletteColourWhenAttached) {
    Begin();
    auto* s = new TChartSeries(&form);
    s->SetParentChart(&chart);
    End();
    EXPECT_EQ(s->SeriesColor(), TChartSeries::PaletteColor(0));
}

}  // namespace
