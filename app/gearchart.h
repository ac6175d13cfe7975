// The gear chart of the main window: Chart1 with its two axes and thirteen series, configured as
// the form description of the window says.
#pragma once

#include <array>

#include "chart/chartfwd.h"
#include "core/seriesroles.h"

class TComponent;

// Configures `chart` as Chart1 inside its BeginLoading/EndLoading and creates its thirteen series
// (owned by `owner`, attached in the list order of seriesroles.h). When `created` is given it
// receives the series in list order.
void ConfigureGearChart(TChart& chart, TComponent& owner,
                        std::array<TChartSeries*, kgr::ChartSeriesCount>* created = nullptr);

// Size of Chart1 on its tab page.
constexpr int GearChartWidth = 477;
constexpr int GearChartHeight = 276;
