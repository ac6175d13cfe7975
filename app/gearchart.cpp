#include "app/gearchart.h"

#include <string>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/fastline.h"
#include "chart/shape.h"
#include "core/inputfields.h"
#include "core/seriesroles.h"

namespace {

struct TLineLook {
    std::string name;
    std::string title;
    TColor colour;
    int width;
    bool inLegend;
};

// Gears 1 ... 6: the colour of the thick line of the used part.
constexpr TColor GearColours[kgr::GearCount] = {RGBColor(85, 89, 255),  RGBColor(85, 200, 255),
                                                RGBColor(0, 213, 106),  RGBColor(165, 213, 0),
                                                RGBColor(255, 204, 85), RGBColor(255, 85, 85)};

// Gears 1 ... 6: the name of the thin silver line of the whole range (the form names gear 1's Series8).
constexpr const char* WholeRangeNames[kgr::GearCount] = {"Series8",  "Series7",  "Series9",
                                                         "Series10", "Series11", "Series12"};

// Gear g's coloured line, titled by the gear's name, and its silver twin.
TLineLook GearLine(int g) {
    return {"Series" + std::to_string(g), kgr::GearNames[g - 1], GearColours[g - 1], 3, true};
}
TLineLook WholeRangeLine(int g) {
    return {WholeRangeNames[g - 1], kgr::GearNames[g - 1] + std::string("Gray"), clSilver, 1, false};
}

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

TFastLineSeries* NewLine(TChart& chart, TComponent& owner, const TLineLook& look) {
    auto* line = new TFastLineSeries(&owner);  // owned by `owner`
    line->SetName(look.name);
    line->SetTitle(look.title);
    line->SetShowInLegend(look.inLegend);
    line->SetSeriesColor(look.colour);
    line->LinePen()->SetColor(look.colour);
    line->LinePen()->SetWidth(look.width);
    StoreValueOrders(*line);
    line->SetParentChart(&chart);
    return line;
}

}  // namespace

void ConfigureGearChart(TChart& chart, TComponent& owner,
                        std::array<TChartSeries*, kgr::ChartSeriesCount>* created) {
    chart.BeginLoading();
    ConfigurePanel(chart);
    ConfigureAxis(*chart.BottomAxis(), "km/h", 5);
    ConfigureAxis(*chart.LeftAxis(), "RPM", 1000);
    // Attached in list order, which seriesroles.h names.
    static_assert(kgr::PowerBandIndex == 0 && kgr::GearLineIndex(1) == 1 &&
                  kgr::WholeRangeLineIndex(1) == kgr::GearLineIndex(kgr::GearCount) + 1);
    std::array<TChartSeries*, kgr::ChartSeriesCount> series{};
    series[kgr::PowerBandIndex] = NewPowerBand(chart, owner);
    for (int g = 1; g <= kgr::GearCount; ++g)
        series[kgr::GearLineIndex(g)] = NewLine(chart, owner, GearLine(g));
    for (int g = 1; g <= kgr::GearCount; ++g)
        series[kgr::WholeRangeLineIndex(g)] = NewLine(chart, owner, WholeRangeLine(g));
    chart.EndLoading();
    if (created) *created = series;
}
