// QCustomPlot 2.1 drawing the same chart: fixed tick steps, dotted silver grid, the hatched band
// behind the lines, the same font and titles, no antialiasing (as our pixels).
#include <qcustomplot.h>

#include "bench/peers/contenders.h"

namespace {

void SetUpAxis(QCPAxis& axis, const TSceneAxis& from, const TScene& scene) {
    axis.setRange(from.Minimum, from.Maximum);
    QSharedPointer<QCPAxisTickerFixed> ticker(new QCPAxisTickerFixed);
    ticker->setTickStep(from.Increment);
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    axis.setTicker(ticker);
    axis.setNumberFormat(QStringLiteral("f"));
    axis.setNumberPrecision(0);
    axis.setTickLabelFont(scene.Font);
    axis.setLabel(from.Title);
    axis.setLabelFont(scene.Font);
    axis.grid()->setPen(QPen(scene.GridColour, 1, Qt::DotLine));
}

class TQCustomPlot : public TContender {
  public:
    TQCustomPlot(const TScene& scene, qreal ratio) {
        plot_.setBufferDevicePixelRatio(ratio);
        plot_.resize(scene.Width, scene.Height);
        plot_.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        plot_.setNotAntialiasedElements(QCP::aeAll);
        SetUpAxis(*plot_.xAxis, scene.Bottom, scene);
        SetUpAxis(*plot_.yAxis, scene.Left, scene);
        auto* band = new QCPItemRect(&plot_);  // owned by the plot
        band->setLayer(QStringLiteral("grid"));
        band->topLeft->setCoords(scene.Band.left(), scene.Band.bottom());
        band->bottomRight->setCoords(scene.Band.right(), scene.Band.top());
        band->setPen(Qt::NoPen);
        band->setBrush(QBrush(scene.BandColour, Qt::DiagCrossPattern));
        for (const TSceneLine& line : scene.Lines) {
            QCPGraph* graph = plot_.addGraph();
            graph->setPen(QPen(line.Colour, line.Width));
            QVector<double> xs;
            QVector<double> ys;
            for (QPointF p : line.Points) {
                xs.push_back(p.x());
                ys.push_back(p.y());
            }
            graph->setData(xs, ys, true);
        }
    }

  protected:
    QCustomPlot plot_;
};

class TQCustomPlotToPainter : public TQCustomPlot {
  public:
    TQCustomPlotToPainter(const TScene& scene, qreal ratio)
        : TQCustomPlot(scene, ratio),
          image_(DeviceImage(scene.Width, scene.Height, ratio)),
          painter_(&image_) {}
    const char* Name() const override { return "QCustomPlot toPainter"; }
    void Paint() override {
        const QSize size = image_.deviceIndependentSize().toSize();
        plot_.toPainter(&painter_, size.width(), size.height());
    }

  private:
    QImage image_;
    QCPPainter painter_;
};

// replot: lays out, draws every layer into the plot's buffers and repaints the shown widget.
class TQCustomPlotReplot : public TQCustomPlot {
  public:
    TQCustomPlotReplot(const TScene& scene, qreal ratio) : TQCustomPlot(scene, ratio) {
        plot_.show();
        QApplication::processEvents();
    }
    const char* Name() const override { return "QCustomPlot replot"; }
    void Paint() override { plot_.replot(QCustomPlot::rpImmediateRefresh); }
};

}  // namespace

std::unique_ptr<TContender> NewQCustomPlotToPainter(const TScene& scene, qreal ratio) {
    return std::make_unique<TQCustomPlotToPainter>(scene, ratio);
}

std::unique_ptr<TContender> NewQCustomPlotReplot(const TScene& scene, qreal ratio) {
    return std::make_unique<TQCustomPlotReplot>(scene, ratio);
}
