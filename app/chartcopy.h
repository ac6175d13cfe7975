// The gear chart's context menu: "グラフをコピー" puts the chart's current image on the clipboard.
#pragma once

class TChart;

// Adds the menu. The chart's mouse handling is untouched: the menu comes from the context-menu
// event, not from the right button's press, which the chart keeps for panning.
void AddChartCopy(TChart& chart);
