// The gear chart of the main window: Chart1 with its two axes and thirteen series, configured as
// the form description of the window says.
#pragma once

#include <array>

#include "chart/chartfwd.h"

class TComponent;

// Configures `chart` as Chart1 inside its BeginLoading/EndLoading and creates its thirteen series
// (owned by `owner`, attached in list order: Series13 the power band, Series1..Series6 the gear
// lines, Series8, Series7, Series9..Series12 the silver lines). When `created` is given it receives
// the series in list order.
void ConfigureGearChart(TChart& chart, TComponent& owner, std::array<TChartSeries*, 13>* created = nullptr);

// Size of Chart1 on its tab page.
constexpr int GearChartWidth = 477;
constexpr int GearChartHeight = 276;
