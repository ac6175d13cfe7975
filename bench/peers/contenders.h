// The contenders of the side-by-side paint benchmark. Each draws the scene onto a persistent image
// (or its own widget), so a paint measures drawing only.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/peers/scene.h"

class TContender {
  public:
    virtual ~TContender() = default;
    virtual const char* Name() const = 0;
    // One complete paint of the chart.
    virtual void Paint() = 0;
};

std::unique_ptr<TContender> NewKestrigoChart(TBenchWindow& window);
std::unique_ptr<TContender> NewQCustomPlotToPainter(const TScene& scene);
std::unique_ptr<TContender> NewQCustomPlotReplot(const TScene& scene);
std::unique_ptr<TContender> NewQtCharts(const TScene& scene);
std::unique_ptr<TContender> NewBareFloor(const TScene& scene);
