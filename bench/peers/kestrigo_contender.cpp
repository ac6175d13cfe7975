// Our Chart1: a full paint (layout, axes, band, twelve lines, buffer to target), as a paint message
// with a stale buffer runs it.
#include "app/Unit1.h"
#include "bench/peers/contenders.h"
#include "chart/canvas.h"
#include "chart/chart.h"

namespace {

class TKestrigoChart : public TContender {
  public:
    TKestrigoChart(TBenchWindow& window, qreal ratio)
        : chart_(*window.Form().Chart1),
          ratio_(ratio),
          image_(DeviceImage(chart_.PanelClientRect().Width(), chart_.PanelClientRect().Height(), ratio)),
          painter_(&image_) {}
    const char* Name() const override { return "Kestrigo Chart1 full paint"; }
    void Paint() override {
        chart_.RequestRedraw();
        chart_.Surface()->SetDevicePixelRatio(ratio_);
        chart_.Surface()->AttachTarget(&painter_);
        chart_.RenderTo(painter_, chart_.PanelClientRect());
        chart_.Surface()->AttachTarget(nullptr);
    }

  private:
    TChart& chart_;
    qreal ratio_;
    QImage image_;
    QPainter painter_;
};

}  // namespace

std::unique_ptr<TContender> NewKestrigoChart(TBenchWindow& window, qreal ratio) {
    return std::make_unique<TKestrigoChart>(window, ratio);
}
