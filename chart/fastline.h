// The fast line series: all points joined by one polyline drawn with a single pen.
#pragma once

#include <memory>

#include "chart/pens.h"
#include "chart/series.h"

class TFastLineSeries : public TChartSeries {
  public:
    explicit TFastLineSeries(TComponent* owner = nullptr);
    ~TFastLineSeries() override;

    // The pen of the whole line; its colour is the series colour.
    TChartPen* LinePen() const { return linePen_.get(); }
    // Copies the pen's attributes, then takes its colour as the series colour.
    void SetLinePen(const TChartPen& value);
    // True: an added point requests a full repaint; False: the new segment is drawn at once.
    bool AutoRepaint() const { return autoRepaint_; }
    void SetAutoRepaint(bool value) { autoRepaint_ = value; }

    // Also recolours LinePen.
    void SetSeriesColor(TColor value) override;
    // Copies AutoRepaint and the pen, then the series settings.
    void Assign(const TFastLineSeries& source);

    void DrawValues() override;
    void DrawValueAt(int index) override;
    void PointAdded(TChartSeries* sender, int index) override;
    void DrawLegendSymbol(TRect rect) override;
    int PointAtPixel(TPoint position) const override;

    // Pixel of the last point drawn (repeated pixels are skipped).
    TPoint LastPixel() const { return lastPixel_; }

  private:
    TPoint PixelOf(int index) const;
    void LoadPen();

    std::unique_ptr<TChartPen> linePen_;
    bool autoRepaint_ = true;
    TPoint lastPixel_;
};
