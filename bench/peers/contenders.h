// The contenders of the side-by-side paint benchmark. Each draws the scene onto a persistent image
// (or its own widget), so a paint measures drawing only.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/peers/scene.h"

// A white image of `width` x `height` logical pixels at device pixel ratio `ratio`.
inline QImage DeviceImage(int width, int height, qreal ratio) {
    QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

class TContender {
  public:
    virtual ~TContender() = default;
    virtual const char* Name() const = 0;
    // One complete paint of the chart.
    virtual void Paint() = 0;
};

// Each paints at device pixel ratio `ratio`, through its own high-DPI path.
std::unique_ptr<TContender> NewKestrigoChart(TBenchWindow& window, qreal ratio);
std::unique_ptr<TContender> NewQCustomPlotToPainter(const TScene& scene, qreal ratio);
std::unique_ptr<TContender> NewQCustomPlotReplot(const TScene& scene, qreal ratio);
std::unique_ptr<TContender> NewQtCharts(const TScene& scene, qreal ratio);
std::unique_ptr<TContender> NewBareFloor(const TScene& scene);
