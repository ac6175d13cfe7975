// The floor: what any chart of this content must at least do with QPainter (clear, one hatched
// rectangle, twelve lines), with no axes, text or layout.
#include <functional>

#include "bench/peers/contenders.h"

namespace {

class TBareFloor : public TContender {
  public:
    explicit TBareFloor(const TScene& scene)
        : scene_(scene), image_(scene.Width, scene.Height, QImage::Format_RGB32), painter_(&image_) {
        const double sx = (scene.Width - 60) / (scene.Bottom.Maximum - scene.Bottom.Minimum);
        const double sy = (scene.Height - 40) / (scene.Left.Maximum - scene.Left.Minimum);
        map_ = [=](QPointF p) {
            return QPointF(50 + (p.x() - scene.Bottom.Minimum) * sx,
                           scene.Height - 30 - (p.y() - scene.Left.Minimum) * sy);
        };
    }
    const char* Name() const override { return "bare QPainter floor"; }
    void Paint() override {
        painter_.fillRect(image_.rect(), Qt::white);
        painter_.fillRect(QRectF(map_(scene_.Band.topLeft()), map_(scene_.Band.bottomRight())).normalized(),
                          QBrush(scene_.BandColour, Qt::DiagCrossPattern));
        for (const TSceneLine& line : scene_.Lines) {
            painter_.setPen(QPen(line.Colour, line.Width));
            painter_.drawLine(map_(line.Points.front()), map_(line.Points.back()));
        }
    }

  private:
    const TScene& scene_;
    QImage image_;
    QPainter painter_;
    std::function<QPointF(QPointF)> map_;
};

}  // namespace

std::unique_ptr<TContender> NewBareFloor(const TScene& scene) {
    return std::make_unique<TBareFloor>(scene);
}
