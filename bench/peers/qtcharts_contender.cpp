// Qt Charts drawing the same chart into a scene rendered onto an image: dynamic ticks at the same
// steps, dotted silver grid, the hatched band as an area series behind the lines, no antialiasing.
#include <QApplication>
#include <QGraphicsScene>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "bench/peers/contenders.h"

namespace {

QValueAxis* NewAxis(const TSceneAxis& from, const TScene& scene) {
    auto* axis = new QValueAxis;  // owned by the chart once added
    axis->setRange(from.Minimum, from.Maximum);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(from.Minimum);
    axis->setTickInterval(from.Increment);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setLabelsFont(scene.Font);
    axis->setTitleText(from.Title);
    axis->setTitleFont(scene.Font);
    axis->setGridLinePen(QPen(scene.GridColour, 1, Qt::DotLine));
    return axis;
}

class TQtCharts : public TContender {
  public:
    TQtCharts(const TScene& scene, qreal ratio)
        : area_(0, 0, scene.Width, scene.Height),
          image_(DeviceImage(scene.Width, scene.Height, ratio)),
          painter_(&image_) {
        chart_->legend()->hide();
        chart_->setAnimationOptions(QChart::NoAnimation);
        chart_->setBackgroundRoundness(0);
        QValueAxis* x = NewAxis(scene.Bottom, scene);
        QValueAxis* y = NewAxis(scene.Left, scene);
        chart_->addAxis(x, Qt::AlignBottom);
        chart_->addAxis(y, Qt::AlignLeft);
        auto* upper = new QLineSeries(chart_);
        auto* lower = new QLineSeries(chart_);
        upper->append(scene.Band.left(), scene.Band.bottom());
        upper->append(scene.Band.right(), scene.Band.bottom());
        lower->append(scene.Band.left(), scene.Band.top());
        lower->append(scene.Band.right(), scene.Band.top());
        auto* band = new QAreaSeries(upper, lower);
        band->setPen(Qt::NoPen);
        band->setBrush(QBrush(scene.BandColour, Qt::DiagCrossPattern));
        Attach(band, x, y);
        for (const TSceneLine& line : scene.Lines) {
            auto* series = new QLineSeries;
            series->setPen(QPen(line.Colour, line.Width));
            for (QPointF p : line.Points) series->append(p);
            Attach(series, x, y);
        }
        scene_.addItem(chart_);
        chart_->setGeometry(0, 0, scene.Width, scene.Height);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();  // deferred layout
    }
    const char* Name() const override { return "Qt Charts render"; }
    void Paint() override {
        painter_.fillRect(area_, Qt::white);
        scene_.render(&painter_, area_, area_);
    }

  private:
    void Attach(QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
        chart_->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }

    QRectF area_;  // logical pixels
    QGraphicsScene scene_;
    QChart* chart_ = new QChart;  // owned by scene_ once added
    QImage image_;
    QPainter painter_;
};

}  // namespace

std::unique_ptr<TContender> NewQtCharts(const TScene& scene, qreal ratio) {
    return std::make_unique<TQtCharts>(scene, ratio);
}
