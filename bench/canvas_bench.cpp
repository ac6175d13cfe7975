// Drawing surface: a clean-buffer repaint (one image copy) and a full redraw of a chart-like
// picture into the reused off-screen buffer, at the calculator's chart size.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <memory>

#include "chart/canvas.h"
#include "core/gearinginputs.h"

namespace {

constexpr int kWidth = 473;
constexpr int kHeight = 272;

// Axes, grid, two lines per gear and labels, roughly what one chart paint draws.
void DrawChart(TChartCanvas3D& surface, const TRect& bounds) {
    surface.Brush()->SetColor(clBtnFace);
    surface.Brush()->SetStyle(bsSolid);
    surface.EraseRect(bounds);
    TChartPen grid;
    grid.SetColor(clSilver);
    grid.SetStyle(psDot);
    surface.UsePen(grid);
    for (int x = 60; x < kWidth - 10; x += 40) surface.DrawVertical(x, 10, kHeight - 40);
    for (int y = 20; y < kHeight - 40; y += 20) surface.DrawHorizontal(60, kWidth - 10, y);
    TChartPen line;
    for (int series = 0; series < 2 * kgr::GearCount; ++series) {
        line.SetColor(series * 0x101010);
        line.SetWidth(series % 2 == 0 ? 1 : 3);
        surface.UsePen(line);
        surface.MoveToPoint(60, kHeight - 40);
        for (int step = 1; step <= 16; ++step)
            surface.LineToPoint(60 + step * 25, kHeight - 40 - step * (series + 3));
    }
    surface.ApplyTextAlign(TA_RIGHT | TA_TOP);
    for (int y = 20; y < kHeight - 40; y += 20) surface.PutText(55, y - 6, "12,000");
    surface.RestoreDefaults();
}

class Window {
  public:
    Window() : image_(kWidth, kHeight, QImage::Format_RGB32), painter_(&image_) {}
    QPainter* Painter() { return &painter_; }

  private:
    QImage image_;
    QPainter painter_;
};

void BM_CleanBufferRepaint(benchmark::State& state) {
    TChartCanvas3D surface;
    Window window;
    TRect bounds{0, 0, kWidth, kHeight};
    surface.PrepareSurface(window.Painter(), nullptr, clBtnFace, false, bounds);
    DrawChart(surface, bounds);
    surface.PresentImage(window.Painter(), window.Painter(), bounds);
    for (auto _ : state) benchmark::DoNotOptimize(surface.RepaintFromBuffer());
    surface.AttachTarget(nullptr);
}
BENCHMARK(BM_CleanBufferRepaint);

void BM_FullRedrawIntoBuffer(benchmark::State& state) {
    TChartCanvas3D surface;
    Window window;
    TRect bounds{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        surface.MarkDirty();
        TRect inner = surface.PrepareSurface(window.Painter(), nullptr, clBtnFace, false, bounds);
        DrawChart(surface, inner);
        surface.PresentImage(window.Painter(), window.Painter(), bounds);
    }
    surface.AttachTarget(nullptr);
}
BENCHMARK(BM_FullRedrawIntoBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace
