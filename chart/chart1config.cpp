#include "chart/chart1config.h"

#include <string>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/fastline.h"
#include "chart/shape.h"

namespace {

struct LineSpec {
    const char* name;
    const char* title;
    TColor colour;
    int width;
    bool inLegend;
};

// The twelve lines in list order after the power band.
constexpr LineSpec Lines[12] = {
    {"Series1", "1st", RGBColor(85, 89, 255), 3, true},  {"Series2", "2nd", RGBColor(85, 200, 255), 3, true},
    {"Series3", "3rd", RGBColor(0, 213, 106), 3, true},  {"Series4", "4th", RGBColor(165, 213, 0), 3, true},
    {"Series5", "5th", RGBColor(255, 204, 85), 3, true}, {"Series6", "6th", RGBColor(255, 85, 85), 3, true},
    {"Series8", "1stGray", clSilver, 1, false},          {"Series7", "2ndGray", clSilver, 1, false},
    {"Series9", "3rdGray", clSilver, 1, false},          {"Series10", "4thGray", clSilver, 1, false},
    {"Series11", "5thGray", clSilver, 1, false},         {"Series12", "6thGray", clSilver, 1, false},
};

void SetAxisFont(TFont& font) {
    font.SetName("ＭＳ ゴシック");
    font.SetHeight(-12);
    font.SetColor(clBlack);
    font.SetCharset(SHIFTJIS_CHARSET);
}

void ConfigureAxis(TCustomChartAxis& axis, const std::string& title, double increment) {
    axis.SetAutomatic(false);
    axis.SetAutomaticMinimum(false);
    axis.SetExactDateTime(false);
    axis.Grid()->SetColor(clSilver);
    axis.Axis()->SetWidth(1);
    axis.SetIncrement(increment);
    SetAxisFont(*axis.LabelsFont());
    axis.Title()->SetCaption(title);
    SetAxisFont(*axis.Title()->Font());
}

void ConfigurePanel(TChart& chart) {
    chart.resize(GearChartWidth, GearChartHeight);
    chart.SetColor(clWhite);
    chart.SetBevelOuter(bvNone);
    chart.SetBorderWidth(3);
    chart.SetBorderStyle(bsSingle);
    chart.SetMarginLeft(2);
    chart.SetMarginTop(2);
    chart.SetMarginRight(2);
    chart.SetMarginBottom(2);
    chart.SetView3D(false);
    chart.SetView3DWalls(false);
    chart.Title()->SetText({"TChart"});
    chart.Title()->SetVisible(false);
    chart.Legend()->SetVisible(false);
    chart.SetAllowZoom(false);
    chart.SetAllowPanning(pmNone);
    chart.SetAnimatedZoom(true);
    chart.SetAnimatedZoomSteps(12);
    chart.BackWall()->Brush()->SetColor(clWhite);
    chart.BackWall()->Brush()->SetStyle(bsClear);
}

void StoreValueOrders(TChartSeries& series) {
    series.XValues()->SetOrder(loAscending);
    series.YValues()->SetOrder(loNone);
    series.Marks()->SetVisible(false);
}

TChartShape* NewPowerBand(TChart& chart, TComponent& owner) {
    auto* band = new TChartShape(&owner);  // owned by `owner`
    band->SetName("Series13");
    band->SetTitle("PowerBand");
    band->SetShowInLegend(false);
    band->SetSeriesColor(clWhite);
    band->Brush()->SetColor(RGBColor(255, 181, 170));
    band->Brush()->SetStyle(bsDiagCross);
    band->Pen()->SetVisible(false);
    band->SetStyle(chasRectangle);
    StoreValueOrders(*band);
    band->SetX0(3.125);
    band->SetY0(225);
    band->SetX1(21.875);
    band->SetY1(706);
    band->SetParentChart(&chart);
    return band;
}

TFastLineSeries* NewLine(TChart& chart, TComponent& owner, const LineSpec& spec) {
    auto* line = new TFastLineSeries(&owner);  // owned by `owner`
    line->SetName(spec.name);
    line->SetTitle(spec.title);
    line->SetShowInLegend(spec.inLegend);
    line->SetSeriesColor(spec.colour);
    line->LinePen()->SetColor(spec.colour);
    line->LinePen()->SetWidth(spec.width);
    StoreValueOrders(*line);
    line->SetParentChart(&chart);
    return line;
}

}  // namespace

void ConfigureGearChart(TChart& chart, TComponent& owner, std::array<TChartSeries*, 13>* created) {
    chart.BeginLoading();
    ConfigurePanel(chart);
    ConfigureAxis(*chart.BottomAxis(), "km/h", 5);
    ConfigureAxis(*chart.LeftAxis(), "RPM", 1000);
    std::array<TChartSeries*, 13> series{};
    series[0] = NewPowerBand(chart, owner);
    for (size_t i = 0; i < 12; ++i) series[i + 1] = NewLine(chart, owner, Lines[i]);
    chart.EndLoading();
    if (created) *created = series;
}
