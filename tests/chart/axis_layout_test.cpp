// Axes loaded as a form description sets them, and the bands, lines, ticks, grid and labels that
// they lay out and paint on a real chart image.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <climits>
#include <numeric>
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

// A white panel without frame or margins, so that the chart rectangle lies exactly the axes' bands
// inside the panel's edges. The shown axes have a caption and a one-pixel line, labels every 5 and
// every 1000 at least, and their lower end fixed while loading; the rest is the engine's default.
class AxisLayout : public ::testing::Test {
  protected:
    AxisLayout() {
        chart.resize(477, 276);
        chart.SetColor(clWhite);
        chart.SetBevelOuter(bvNone);
        chart.SetMarginLeft(0);
        chart.SetMarginTop(0);
        chart.SetMarginRight(0);
        chart.SetMarginBottom(0);
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        chart.BeginLoading();
        for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
            axis->SetAutomatic(false);
            axis->SetAutomaticMinimum(false);
            axis->Axis()->SetWidth(1);
        }
        chart.BottomAxis()->SetIncrement(5);
        chart.BottomAxis()->Title()->SetCaption("km/h");
        chart.LeftAxis()->SetIncrement(1000);
        chart.LeftAxis()->Title()->SetCaption("RPM");
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

TEST_F(AxisLayout, LoadedFlagsAndRanges) {
    for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        EXPECT_FALSE(axis->Automatic());
        EXPECT_FALSE(axis->AutomaticMinimum());
        EXPECT_TRUE(axis->AutomaticMaximum());
        EXPECT_EQ(axis->Minimum(), 0);
    }
    Render();
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 250);
    EXPECT_EQ(chart.LeftAxis()->Maximum(), 12000);
    EXPECT_EQ(chart.LeftAxis()->RangeMin(), 0);
    EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), talValue);
}

TEST_F(AxisLayout, AutomaticStaysSetWhileLoading) {
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

TEST_F(AxisLayout, OnlyTheUsedAxesTakeBands) {
    Render();
    EXPECT_TRUE(chart.IsAxisShown(chart.LeftAxis()));
    EXPECT_TRUE(chart.IsAxisShown(chart.BottomAxis()));
    EXPECT_FALSE(chart.IsAxisShown(chart.TopAxis()));
    EXPECT_FALSE(chart.IsAxisShown(chart.RightAxis()));
    EXPECT_EQ(chart.PlotRect().Top, 0);
    EXPECT_EQ(chart.PlotRect().Right, 477);
}

TEST_F(AxisLayout, LeftAxisGeometry) {
    const QImage image = Render();
    TChartAxis* left = chart.LeftAxis();
    const int title = FontHeight(*left->Title()->Font());
    const int labels = Width("12,000") + Width(" ");
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(plot.Left, title + labels + 5);
    EXPECT_EQ(left->AxisPixel(), plot.Left);
    EXPECT_EQ(left->LabelsPixel(), plot.Left - 5);
    EXPECT_EQ(left->TitlePixel(), title);
    const int y = left->YPixelOf(6000);
    for (int dx = 1; dx <= 4; ++dx) EXPECT_TRUE(IsGray(image, plot.Left - dx, y)) << dx;
    EXPECT_EQ(At(image, plot.Left - 5, y), QColor(Qt::white));
    EXPECT_EQ(At(image, plot.Left, y + 3), QColor(Qt::black));  // the one-pixel axis line
    EXPECT_EQ(At(image, plot.Left + 1, y + 3), QColor(Qt::white));
    EXPECT_FALSE(ColumnsOf(image, y, plot.Left + 1, plot.Right, QColor(0x80, 0x80, 0x80)).empty());  // grid
}

TEST_F(AxisLayout, BottomAxisGeometry) {
    Render();
    TChartAxis* bottom = chart.BottomAxis();
    const int title = FontHeight(*bottom->Title()->Font());
    const int labels = FontHeight(*bottom->LabelsFont());
    EXPECT_EQ(chart.PlotRect().Bottom, 276 - title - labels - 5);
    EXPECT_EQ(bottom->AxisPixel(), chart.PlotRect().Bottom);
    EXPECT_EQ(bottom->LabelsPixel(), bottom->AxisPixel() + 5);
    EXPECT_EQ(bottom->TitlePixel(), bottom->LabelsPixel() + labels);
    EXPECT_EQ(bottom->StartPixel(), chart.PlotRect().Left);
}

TEST_F(AxisLayout, FixedBandSizes) {
    chart.LeftAxis()->SetLabelsSize(30);
    chart.LeftAxis()->SetTitleSize(20);
    Render();
    EXPECT_EQ(chart.PlotRect().Left, 20 + 30 + 5);
}

TEST_F(AxisLayout, PositionPercentMovesTheLineAndAnchors) {
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

TEST_F(AxisLayout, GridCenteredDrawsAtMidpoints) {
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

TEST_F(AxisLayout, NoTicksWithoutLabelsWhenTicksFollowLabels) {
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

TEST_F(AxisLayout, HugeMinorTickCountFillsTheGapsWithoutStalling) {
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

TEST_F(AxisLayout, LogarithmicMinorTicksStepByTheBase) {
    // A left axis 200 pixels long from 1 to 10000: the value v lies Round(50 log10 v) pixels above
    // its end, so the labels 1, 10, ... 10000 lie 50 pixels apart.
    chart.resize(477, 240);
    chart.BottomAxis()->SetTitleSize(20);
    chart.BottomAxis()->SetLabelsSize(15);
    TChartAxis* left = chart.LeftAxis();
    left->SetRange(1, 10000);
    left->SetIncrement(0);  // labels at the powers of the base, from the lowest up
    left->SetLogarithmic(true);
    left->SetMinorTickCount(1);
    const auto rows = [&](const QImage& image, bool minor) {
        std::vector<int> found;
        for (int y = left->StartPixel(); y <= left->EndPixel(); ++y)
            if (IsGray(image, left->AxisPixel() - 1, y) &&
                (!minor || !IsGray(image, left->AxisPixel() - 3, y)))
                found.push_back(y);
        return found;
    };
    QImage image = Render();
    ASSERT_EQ(left->EndPixel(), 200);
    ASSERT_EQ(left->StartPixel(), 0);
    // One minor tick above each label but the last, halfway in value to the next power: 5.5 at
    // Round(37.04) pixels, 55 at 87, 550 at 137 and 5500 at 187.
    EXPECT_EQ(rows(image, true), (std::vector<int>{200 - 187, 200 - 137, 200 - 87, 200 - 37}));
    // However many there are, they are bounded by the pixels: every row from the label at 10000 (row
    // 0) to the one at 1 (row 200) has a tick.
    left->SetMinorTickCount(INT_MAX);
    image = Render();
    std::vector<int> all(201);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(rows(image, false), all);
}

TEST_F(AxisLayout, ExtremeTickLengthsStillPaint) {
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

TEST_F(AxisLayout, ExtremeBandsAndPositionsSaturate) {
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

TEST_F(AxisLayout, LabelStepMeasuresTheLowerEndFirst) {
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

TEST_F(AxisLayout, TwoLineLabelsOnTheLeftAxisAreCentredOnTheirPixel) {
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
