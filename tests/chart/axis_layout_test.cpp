// The program's axes loaded through the form path, and the bands, lines, ticks, grid and labels
// that the axes lay out and paint on a real chart image.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <climits>
#include <set>
#include <vector>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/component.h"
#include "chart/errors.h"
#include "chart/fonts.h"
#include "chart/pens.h"
#include "chart/series.h"

namespace {

// The axis part of Chart1's form description, applied in its stored order.
void LoadChart1Axis(TChartAxis* axis, double increment, const std::string& title) {
    axis->SetAutomatic(false);
    axis->SetAutomaticMinimum(false);
    axis->Axis()->SetWidth(1);
    axis->SetExactDateTime(false);
    axis->Grid()->SetColor(clSilver);
    axis->SetIncrement(increment);
    for (TFont* font : {axis->LabelsFont(), axis->Title()->Font()}) {
        font->SetCharset(SHIFTJIS_CHARSET);
        font->SetColor(clBlack);
        font->SetHeight(-12);
        font->SetName("ＭＳ ゴシック");
    }
    axis->Title()->SetCaption(title);
}

class Chart1Axes : public ::testing::Test {
  protected:
    Chart1Axes() {
        chart.resize(477, 276);
        chart.BeginLoading();
        chart.SetBorderStyle(bsSingle);
        chart.SetBorderWidth(3);
        chart.SetBevelOuter(bvNone);
        chart.SetColor(clWhite);
        chart.SetMarginLeft(2);
        chart.SetMarginTop(2);
        chart.SetMarginRight(2);
        chart.SetMarginBottom(2);
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        LoadChart1Axis(chart.BottomAxis(), 5, "km/h");
        LoadChart1Axis(chart.LeftAxis(), 1000, "RPM");
        chart.EndLoading();
        series = new TChartSeries(&root);
        series->SetParentChart(&chart);
        series->AddPointXY(0, 0);
        series->AddPointXY(250, 12000);
    }

    QImage Render() {
        chart.RenderToImage();
        return chart.RenderToImage();  // the second layout measures with the first one's step
    }

    int FontHeight(const TFont& font) {
        chart.UseFont(font);
        return chart.Surface()->LineHeight();
    }

    int Width(const std::string& text) {
        chart.UseFont(*chart.LeftAxis()->LabelsFont());
        return chart.Surface()->MeasureWidth(text);
    }

    TComponent root;
    TChart chart;
    TChartSeries* series = nullptr;
};

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}
bool IsGray(const QImage& image, int x, int y) {
    return At(image, x, y) == QColor(0x80, 0x80, 0x80);
}

// Columns of one row that have the colour.
std::vector<int> ColumnsOf(const QImage& image, int y, int from, int to, QColor colour) {
    std::vector<int> columns;
    for (int x = from; x < to; ++x)
        if (At(image, x, y) == colour) columns.push_back(x);
    return columns;
}

TEST_F(Chart1Axes, LoadedFlagsAndRanges) {
    for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        EXPECT_FALSE(axis->Automatic());
        EXPECT_FALSE(axis->AutomaticMinimum());
        EXPECT_TRUE(axis->AutomaticMaximum());
        EXPECT_EQ(axis->Minimum(), 0);
        EXPECT_EQ(axis->Axis()->Width(), 1);
        EXPECT_EQ(axis->Grid()->Color(), clSilver);
        EXPECT_FALSE(axis->ExactDateTime());
    }
    Render();
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 250);
    EXPECT_EQ(chart.LeftAxis()->Maximum(), 12000);
    EXPECT_EQ(chart.LeftAxis()->RangeMin(), 0);
    EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talValue);
}

TEST_F(Chart1Axes, AutomaticStaysSetWhileLoading) {
    TChart other;
    other.BeginLoading();
    other.LeftAxis()->SetAutomatic(false);
    EXPECT_TRUE(other.LeftAxis()->AutomaticMinimum());
    EXPECT_TRUE(other.LeftAxis()->AutomaticMaximum());
    other.LeftAxis()->SetMinimum(50);  // above Maximum: accepted while loading
    other.EndLoading();
    EXPECT_EQ(other.LeftAxis()->Minimum(), 50);
    EXPECT_THROW(other.LeftAxis()->SetMinimum(60), AxisException);
}

TEST_F(Chart1Axes, OnlyTheUsedAxesTakeBands) {
    Render();
    EXPECT_TRUE(chart.IsAxisShown(chart.LeftAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.BottomAxis()));
    EXPECT_FALSE(chart.IsAxisShown(chart.TopAxis()));
    EXPECT_FALSE(chart.IsAxisShown(chart.RightAxis()));
    EXPECT_EQ(chart.PlotRect().Top, 8);
    EXPECT_EQ(chart.PlotRect().Right, 461);
}

TEST_F(Chart1Axes, LeftAxisGeometry) {
    const QImage image = Render();
    TChartAxis* left = chart.LeftAxis();
    const int title = FontHeight(*left->Title()->Font());
    const int labels = Width("12,000") + Width(" ");
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(plot.Left, 12 + title + labels + 5);
    EXPECT_EQ(left->AxisPixel(), plot.Left);
    EXPECT_EQ(left->LabelsPixel(), plot.Left - 5);
    EXPECT_EQ(left->TitlePixel(), 12 + title);
    const int y = left->YPixelOf(6000);
    for (int dx = 1; dx <= 4; ++dx) EXPECT_TRUE(IsGray(image, plot.Left - dx, y)) << dx;
    EXPECT_EQ(At(image, plot.Left - 5, y), QColor(Qt::white));
    EXPECT_EQ(At(image, plot.Left, y + 3), QColor(Qt::black));  // the one-pixel axis line
    EXPECT_EQ(At(image, plot.Left + 1, y + 3), QColor(Qt::white));
    EXPECT_FALSE(ColumnsOf(image, y, plot.Left + 1, plot.Right, QColor(0xC0, 0xC0, 0xC0)).empty());
}

TEST_F(Chart1Axes, BottomAxisGeometry) {
    Render();
    TChartAxis* bottom = chart.BottomAxis();
    const int title = FontHeight(*bottom->Title()->Font());
    const int labels = FontHeight(*bottom->LabelsFont());
    EXPECT_EQ(chart.PlotRect().Bottom, 264 - title - labels - 5);
    EXPECT_EQ(bottom->AxisPixel(), chart.PlotRect().Bottom);
    EXPECT_EQ(bottom->LabelsPixel(), bottom->AxisPixel() + 5);
    EXPECT_EQ(bottom->TitlePixel(), bottom->LabelsPixel() + labels);
    EXPECT_EQ(bottom->StartPixel(), chart.PlotRect().Left);
}

TEST_F(Chart1Axes, FixedBandSizes) {
    chart.LeftAxis()->SetLabelsSize(30);
    chart.LeftAxis()->SetTitleSize(20);
    Render();
    EXPECT_EQ(chart.PlotRect().Left, 12 + 20 + 30 + 5);
}

TEST_F(Chart1Axes, PositionPercentMovesTheLineAndAnchors) {
    Render();
    const int labelsBefore = chart.LeftAxis()->LabelsPixel();
    chart.LeftAxis()->SetPositionPercent(50);
    const QImage image = Render();
    const TRect plot = chart.PlotRect();
    const int shift = RoundHalfEven(0.5 * (plot.Right - plot.Left));
    EXPECT_EQ(chart.LeftAxis()->AxisPixel(), plot.Left + shift);
    EXPECT_EQ(chart.LeftAxis()->LabelsPixel(), labelsBefore + shift);
    EXPECT_EQ(At(image, plot.Left + shift, chart.LeftAxis()->YPixelOf(6000) + 3), QColor(Qt::black));
}

TEST_F(Chart1Axes, GridCenteredDrawsAtMidpoints) {
    TChartPen red;
    red.SetColor(clRed);
    chart.BottomAxis()->SetGrid(red);
    const QColor redColour(Qt::red);
    QImage image = Render();
    const int row = chart.LeftAxis()->YPixelOf(500);
    const TRect plot = chart.PlotRect();
    // The left axis line covers the grid line of the label at 0.
    std::vector<int> labels = ColumnsOf(image, row, plot.Left + 1, plot.Right + 1, redColour);
    labels.insert(labels.begin(), chart.BottomAxis()->XPixelOf(0));
    ASSERT_GE(labels.size(), 3u);
    chart.BottomAxis()->SetGridCentered(true);
    image = Render();
    std::vector<int> expected;
    for (size_t i = 1; i < labels.size(); ++i)
        expected.push_back(RoundHalfEven((labels[i] + labels[i - 1]) * 0.5));
    EXPECT_EQ(ColumnsOf(image, row, plot.Left, plot.Right + 1, redColour), expected);
}

TEST_F(Chart1Axes, NoTicksWithoutLabelsWhenTicksFollowLabels) {
    TChartPen red;
    red.SetColor(clRed);
    TChartAxis* bottom = chart.BottomAxis();
    bottom->SetGrid(red);
    bottom->SetLabels(false);
    QImage image = Render();
    const int row = bottom->AxisPixel() + 2;
    const TRect plot = chart.PlotRect();
    EXPECT_TRUE(ColumnsOf(image, row, plot.Left, plot.Right, QColor(0x80, 0x80, 0x80)).empty());
    EXPECT_TRUE(
        ColumnsOf(image, chart.LeftAxis()->YPixelOf(500), plot.Left, plot.Right, QColor(Qt::red)).empty());
    bottom->SetTickOnLabelsOnly(false);
    image = Render();
    EXPECT_FALSE(ColumnsOf(image, row, plot.Left, plot.Right, QColor(0x80, 0x80, 0x80)).empty());
}

TEST_F(Chart1Axes, MinorTicksBetweenAndPastTheTicks) {
    const QImage image = Render();
    TChartAxis* bottom = chart.BottomAxis();
    const QColor gray(0x80, 0x80, 0x80);
    const int a = bottom->AxisPixel();
    const std::vector<int> major = ColumnsOf(image, a + 3, 0, image.width(), gray);
    std::set<int> minor;
    for (int x : ColumnsOf(image, a + 1, 0, image.width(), gray))
        if (std::find(major.begin(), major.end(), x) == major.end()) minor.insert(x);
    ASSERT_GE(major.size(), 2u);
    std::set<int> expected;
    const auto use = [&](int p) {
        if (bottom->StartPixel() < p && p < bottom->EndPixel()) expected.insert(p);
    };
    // The labels are recorded from the top value down, so minor ticks count from the lower tick.
    for (size_t i = 1; i < major.size(); ++i)
        for (int j = 1; j <= 3; ++j) use(major[i - 1] + RoundHalfEven(j * ((major[i] - major[i - 1]) / 4.0)));
    const double s = (major[major.size() - 1] - major[major.size() - 2]) / 4.0;
    for (int j = 1; j <= 3; ++j) {
        use(major.back() + RoundHalfEven(j * s));
        use(major.front() - RoundHalfEven(j * s));
    }
    EXPECT_EQ(minor, expected);
}

TEST_F(Chart1Axes, HugeMinorTickCountFillsTheGapsWithoutStalling) {
    TChartAxis* bottom = chart.BottomAxis();
    bottom->SetMinorTickCount(INT_MAX);
    const QImage image = Render();
    const QColor gray(0x80, 0x80, 0x80);
    const int a = bottom->AxisPixel();
    // Minor ticks are then one pixel apart: every column strictly inside the axis has one.
    const std::vector<int> ticked =
        ColumnsOf(image, a + 1, bottom->StartPixel() + 1, bottom->EndPixel(), gray);
    EXPECT_EQ(static_cast<int>(ticked.size()), bottom->LengthPixels() - 1);
    EXPECT_FALSE(IsGray(image, bottom->StartPixel() - 1, a + 1));
}

TEST_F(Chart1Axes, LogarithmicMinorTicksStepByTheBase) {
    TChartAxis* left = chart.LeftAxis();
    Render();  // Maximum follows the data: 12000
    left->SetMinimum(1);
    left->SetIncrement(0);  // labels at the powers of the base, from the lowest up
    left->SetLogarithmic(true);
    left->SetMinorTickCount(1);
    const QImage image = Render();
    const QColor gray(0x80, 0x80, 0x80);
    const int a = left->AxisPixel();
    std::set<int> minor;
    for (int y = left->StartPixel(); y <= left->EndPixel(); ++y)
        if (IsGray(image, a - 1, y) && !IsGray(image, a - 3, y)) minor.insert(y);
    // Labels at 1, 10, 100, 1000 and 10000; one minor tick above each but the last (55000 is above
    // RangeMax), halfway in value to the next power: v + (10 v - v) / 2.
    std::set<int> expected;
    for (double label : {1.0, 10.0, 100.0, 1000.0}) {
        const double v = left->ValueAtPixel(left->YPixelOf(label));
        const int p = left->YPixelOf(v + (10 * v - v) / 2);
        if (v + (10 * v - v) / 2 <= left->RangeMax() && left->StartPixel() < p && p < left->EndPixel())
            expected.insert(p);
    }
    EXPECT_EQ(minor, expected);
    EXPECT_EQ(expected.size(), 4u);

    left->SetMinorTickCount(INT_MAX);  // bounded by the pixels, not by the count
    Render();
}

TEST_F(Chart1Axes, ExtremeTickLengthsStillPaint) {
    for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        axis->SetTickLength(INT_MAX);
        axis->SetMinorTickLength(INT_MIN);
        axis->SetTickInnerLength(INT_MIN);
    }
    Render();
    EXPECT_EQ(chart.LeftAxis()->TickBandSize(), INT_MAX);
    // A tick band that leaves nothing of the chart rectangle is not taken.
    const TRect plot = chart.PlotRect();
    EXPECT_LT(plot.Left, plot.Right);
    EXPECT_LT(plot.Top, plot.Bottom);
}

TEST_F(Chart1Axes, ExtremeBandsAndPositionsSaturate) {
    chart.LayoutAxes();
    const TRect plot = chart.PlotRect();
    TChartAxis* bottom = chart.BottomAxis();
    bottom->SetTitleSize(INT_MIN);
    bottom->SetLabelsSize(INT_MAX);
    TRect r = plot;
    bottom->ComputeBands(r, true);
    EXPECT_EQ(bottom->TitlePixel(), INT_MAX);  // the title band stops at the int limit
    EXPECT_EQ(r.Bottom, 0 - 5);                // then the labels band and the tick band
    bottom->SetPositionPercent(1e300);
    r = plot;
    bottom->ComputeBands(r, false);
    EXPECT_EQ(bottom->AxisPixel(), plot.Bottom - INT_MAX);
    EXPECT_EQ(bottom->LabelsPixel(), bottom->AxisPixel() + 5);
    EXPECT_EQ(bottom->TitlePixel(), static_cast<long long>(bottom->LabelsPixel()) + INT_MAX);

    TChartAxis* left = chart.LeftAxis();
    left->SetStartPosition(-1e300);
    left->SetEndPosition(1e300);
    left->ComputePositions();
    EXPECT_LT(left->StartPixel(), -2000000000);
    EXPECT_EQ(left->EndPixel(), INT_MAX);
    EXPECT_EQ(left->LengthPixels(), INT_MAX);
    EXPECT_NEAR(left->CenterPixel(), 0, 10);
}

TEST_F(Chart1Axes, LabelStepMeasuresTheLowerEndFirst) {
    Render();
    TChartAxis* left = chart.LeftAxis();
    std::vector<std::string> seen;
    chart.OnGetAxisLabel = [&](const TCustomChartAxis* sender, TChartSeries* from, int index,
                               std::string& text) {
        EXPECT_EQ(sender, left);
        EXPECT_EQ(from, nullptr);
        EXPECT_EQ(index, -1);
        seen.push_back(text);
    };
    left->SetRangeMin(500);
    chart.UseFont(*left->LabelsFont());
    left->ComputeLabelStep();
    EXPECT_EQ(seen, (std::vector<std::string>{"500", "12,000"}));
    chart.OnGetAxisLabel = nullptr;
    // Detached axes have nothing to draw on.
    auto detached = std::make_unique<TChartAxis>(nullptr, asLeft);
    detached->PlaceLabel(10, "1,000");
    detached->DrawAxisText(10, 10, "x", 0);
}

// Ink (pixels that are not white) of the rectangle [left, right) x [top, bottom), by row.
std::set<std::pair<int, int>> InkOf(const QImage& image, int left, int top, int right, int bottom) {
    std::set<std::pair<int, int>> ink;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (At(image, x, y) != QColor(Qt::white)) ink.insert({y, x});
    return ink;
}

TEST_F(Chart1Axes, TwoLineLabelsOnTheLeftAxisAreCentredOnTheirPixel) {
    TChartAxis* left = chart.LeftAxis();
    left->SetAxisValuesFormat("#,##0 x");
    left->SetLabelsMultiLine(true);  // "6,000 x" becomes "6,000" over "x"
    const QImage image = Render();
    const int fh = FontHeight(*left->LabelsFont());
    const int p = left->YPixelOf(6000);
    const int anchor = left->LabelsPixel();
    const int from = anchor - Width("12,000");
    const int firstTop = p - fh / 2 - RoundHalfEven(1.5 * fh) + fh;
    const auto firstLine = InkOf(image, from, firstTop, anchor, firstTop + fh);
    const auto secondLine = InkOf(image, from, firstTop + fh, anchor, firstTop + 2 * fh);
    EXPECT_TRUE(InkOf(image, from, firstTop - 1, anchor, firstTop).empty());
    EXPECT_TRUE(InkOf(image, from, firstTop + 2 * fh, anchor, firstTop + 2 * fh + 1).empty());
    // The second line "x" is right-aligned to the labels anchor.
    ASSERT_FALSE(secondLine.empty());
    for (const auto& [y, x] : secondLine) EXPECT_GE(x, anchor - Width("x")) << y;

    // The first line is the one-line label "6,000" moved up by Round(1.5 fh) - fh.
    left->SetAxisValuesFormat("#,##0");
    left->SetLabelsMultiLine(false);
    const QImage single = Render();
    ASSERT_EQ(left->YPixelOf(6000), p);
    const int shift = RoundHalfEven(1.5 * fh) - fh;
    std::set<std::pair<int, int>> expected;
    const int singleTop = p - fh / 2;
    for (const auto& [y, x] : InkOf(single, from, singleTop, anchor, singleTop + fh))
        expected.insert({y - shift, x});
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(firstLine, expected);
}

TEST(AxisWithoutPoints, OneZeroLabelAtTheCentre) {
    TComponent root;
    TChart chart;
    chart.SetView3D(false);
    chart.resize(400, 250);
    (new TChartSeries(&root))->SetParentChart(&chart);
    chart.RenderToImage();
    const QImage image = chart.RenderToImage();
    TChartAxis* left = chart.LeftAxis();
    EXPECT_EQ(left->RangeSpan(), 0);
    EXPECT_EQ(left->YPixelOf(1234), left->CenterPixel());
    // Exactly one tick on the left axis, at the centre.
    std::vector<int> rows;
    for (int y = left->StartPixel(); y <= left->EndPixel(); ++y)
        if (IsGray(image, left->AxisPixel() - 3, y)) rows.push_back(y);
    EXPECT_EQ(rows, std::vector<int>{left->CenterPixel()});
    chart.UseFont(*left->LabelsFont());
    EXPECT_EQ(left->LabelTextOf(left->RangeMax()), "0");
}

}  // namespace
