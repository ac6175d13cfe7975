// Helpers shared by the chart tests: reading a series' columns and a bare white chart for pixels.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/series.h"

inline std::vector<double> Xs(const TChartSeries& s) {
    std::vector<double> out;
    for (int i = 0; i < s.PointCount(); ++i) out.push_back(s.PointX(i));
    return out;
}

inline std::vector<double> Ys(const TChartSeries& s) {
    std::vector<double> out;
    for (int i = 0; i < s.PointCount(); ++i) out.push_back(s.PointY(i));
    return out;
}

inline QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}

// A white flat chart without axes, titles or legend, 240 x 200; both axes span 0..100.
class PixelChart : public ::testing::Test {
  protected:
    PixelChart() {
        chart.resize(240, 200);
        chart.SetView3D(false);
        chart.SetAxisVisible(false);
        chart.SetColor(clWhite);
        chart.SetBevelOuter(bvNone);
        chart.Legend()->SetVisible(false);
        chart.Title()->SetVisible(false);
        chart.BottomAxis()->SetRange(0, 100);
        chart.LeftAxis()->SetRange(0, 100);
    }
    TChart chart;
};
