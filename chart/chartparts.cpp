#include "chart/chartparts.h"

#include "chart/errors.h"
#include "chart/panel.h"

void TChartPart::Repaint() const {
    if (chart_) chart_->SubObjectChanged();
}

TCustomChartWall::TCustomChartWall(TCustomChartPanel* chart, TColor defaultColor)
    : TChartPart(chart),
      brush_(std::make_unique<TChartBrush>(RepaintCallback())),
      color_(defaultColor),
      defaultColor_(defaultColor),
      pen_(std::make_unique<TChartPen>(RepaintCallback())) {}

void TCustomChartWall::Assign(const TCustomChartWall& source) {
    brush_->Assign(*source.brush_);
    pen_->Assign(*source.pen_);
    SetColor(source.color_);
    SetDark3D(source.dark3D_);
    SetSize(source.size_);
}

TChartTitle::TChartTitle(TCustomChartPanel* chart)
    : TChartPart(chart),
      brush_(std::make_unique<TChartBrush>(RepaintCallback())),
      font_(std::make_unique<TFont>(NewDefaultFont(RepaintCallback()))),
      frame_(std::make_unique<TChartHiddenPen>(RepaintCallback())) {}

void TChartTitle::Assign(const TChartTitle& source) {
    brush_->Assign(*source.brush_);
    font_->Assign(*source.font_);
    frame_->Assign(*source.frame_);
    SetAdjustFrame(source.adjustFrame_);
    SetAlignment(source.alignment_);
    SetColor(source.color_);
    SetText(source.text_);
    SetVisible(source.visible_);
}

TChartLegend::TChartLegend(TCustomChartPanel* chart)
    : TChartPart(chart),
      brush_(std::make_unique<TChartBrush>(RepaintCallback())),
      dividingLines_(std::make_unique<TChartHiddenPen>(RepaintCallback())),
      font_(std::make_unique<TFont>(NewDefaultFont(RepaintCallback()))),
      frame_(std::make_unique<TChartPen>(RepaintCallback())) {}

void TChartLegend::SetColorWidth(int value) {
    if (value < 0 || value > 100) throw LegendException(ChartStrings::LegendColorWidth);
    Change(colorWidth_, value);
}

void TChartLegend::SetTopPos(int value) {
    if (value < 0 || value > 100) throw LegendException(ChartStrings::LegendTopPos);
    Change(topPos_, value);
}

void TChartLegend::SetFirstValue(int value) {
    if (value < 0) throw LegendException(ChartStrings::LegendFirstValue);
    Change(firstValue_, value);
}

void TChartLegend::Assign(const TChartLegend& source) {
    brush_->Assign(*source.brush_);
    dividingLines_->Assign(*source.dividingLines_);
    font_->Assign(*source.font_);
    frame_->Assign(*source.frame_);
    SetAlignment(source.alignment_);
    SetColor(source.color_);
    SetColorWidth(source.colorWidth_);
    SetFirstValue(source.firstValue_);
    SetHorizMargin(source.horizMargin_);
    SetInverted(source.inverted_);
    SetLegendStyle(source.legendStyle_);
    SetMaxNumRows(source.maxNumRows_);
    SetResizeChart(source.resizeChart_);
    SetShadowColor(source.shadowColor_);
    SetShadowSize(source.shadowSize_);
    SetTextStyle(source.textStyle_);
    SetTopPos(source.topPos_);
    SetVertMargin(source.vertMargin_);
    SetVisible(source.visible_);
}

void TChartGradient::Assign(const TChartGradient& source) {
    SetDirection(source.direction_);
    SetEndColor(source.endColor_);
    SetStartColor(source.startColor_);
    SetVisible(source.visible_);
}
