#include "bench/peers/scene.h"

#include <QLineEdit>

#include "app/Unit1.h"
#include "app/messagebox.h"
#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/fastline.h"
#include "chart/series.h"
#include "chart/shape.h"
#include "core/seriesroles.h"

TBenchWindow::TBenchWindow()
    : messages_(std::make_unique<TMessageRecorder>()),
      form_(std::make_unique<TForm1>(messages_.get(), QStringLiteral(KESTRIGO_SOURCE_DIR "/catalogs/"))) {
    TForm1& f = *form_;
    const std::pair<QLineEdit*, const char*> inputs[] = {
        {f.E_Ratio1, "3"},    {f.E_Ratio2drv, "15"}, {f.E_Ratio2drvn, "45"}, {f.E_Tire, "600"},
        {f.E_RatioT1, "2.5"}, {f.E_RatioT2, "1.8"},  {f.E_RatioT3, "1.4"},   {f.E_RatioT4, "1.15"},
        {f.E_RatioT5, "1"},   {f.E_RatioT6, "0.9"},  {f.E_MaxRPM, "12"},     {f.E_PBHigh, "10"},
        {f.E_PBLow, "7"}};
    for (const auto& [field, text] : inputs) field->setText(QString::fromLatin1(text));
    f.Chart1->RenderToImage();  // lays the axes out
}

TBenchWindow::~TBenchWindow() = default;

namespace {

TSceneAxis AxisOf(const TCustomChartAxis& axis) {
    return {axis.Minimum(), axis.Maximum(), axis.Increment(),
            QString::fromStdString(axis.Title()->Caption())};
}

}  // namespace

TScene TBenchWindow::Scene() const {
    const TChart& chart = *form_->Chart1;
    TScene scene;
    const TRect client = chart.PanelClientRect();
    scene.Width = client.Width();
    scene.Height = client.Height();
    for (int i = 1; i < kgr::ChartSeriesCount; ++i) {
        const auto& series = static_cast<const TFastLineSeries&>(*chart.SeriesAt(i));
        TSceneLine line;
        for (int p = 0; p < series.PointCount(); ++p)
            line.Points.emplace_back(series.PointX(p), series.PointY(p));
        line.Colour = ToQColor(series.LinePen()->Color());
        line.Width = series.LinePen()->Width();
        scene.Lines.push_back(std::move(line));
    }
    const auto& band = static_cast<const TChartShape&>(*chart.SeriesAt(kgr::PowerBandIndex));
    scene.Band = QRectF(QPointF(band.X0(), band.Y0()), QPointF(band.X1(), band.Y1())).normalized();
    scene.BandColour = ToQColor(band.Brush()->Color());
    scene.GridColour = ToQColor(chart.BottomAxis()->Grid()->Color());
    scene.Font = chart.BottomAxis()->LabelsFont()->ToQFont();
    scene.Bottom = AxisOf(*chart.BottomAxis());
    scene.Left = AxisOf(*chart.LeftAxis());
    return scene;
}
