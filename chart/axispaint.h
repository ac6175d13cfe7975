// Axis layout over the chart rectangle; the axis' own bands and painting are TCustomChartAxis members
// defined beside it.
#pragma once

#include "chart/chartfwd.h"

// Whether the chart shows the axis: AxisVisible, the axis' Visible, and a series that uses it.
bool IsAxisShown(const TCustomAxisPanel& chart, const TCustomChartAxis* axis);

// Refreshes every axis' range, lets the shown axes take their bands from PlotRect, then sets the
// final PlotRect and every axis' pixels.
void LayoutAxes(TCustomAxisPanel& chart);

// Widens the scales of the four side axes by the pixel margins the series ask for.
void FitAxesToSeriesMargins(TCustomAxisPanel& chart);
