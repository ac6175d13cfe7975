// Painting at a device pixel ratio: the buffer has the device size and is made anew when the ratio
// changes; coordinates stay logical; a one-pixel line and a dot are r x r device pixels; text is
// drawn from the font at the device size; the layout does not depend on the ratio.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "chart/axis.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "chart/colors.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

class CanvasRatio : public ::testing::Test {
  protected:
    // Starts a buffered paint of 40 x 30 logical pixels at `ratio`.
    void Begin(qreal ratio) {
        surface_.SetDevicePixelRatio(ratio);
        surface_.PrepareSurface(nullptr, nullptr, clWhite, false, {0, 0, 40, 30});
    }
    const QImage& End() {
        surface_.PresentImage(nullptr, nullptr, {0, 0, 40, 30});
        return *surface_.Buffer();
    }
    TChartCanvas3D surface_;
};

TEST_F(CanvasRatio, BufferHasTheDeviceSizeAndIsMadeAnewWhenTheRatioChanges) {
    Begin(2);
    EXPECT_EQ(End().size(), QSize(80, 60));
    EXPECT_EQ(surface_.Buffer()->devicePixelRatio(), 2.0);
    QImage window(40, 30, QImage::Format_RGB32);
    QPainter painter(&window);
    surface_.AttachTarget(&painter);
    EXPECT_TRUE(surface_.RepaintFromBuffer());
    surface_.SetDevicePixelRatio(1.5);
    EXPECT_FALSE(surface_.RepaintFromBuffer());  // a buffer of another ratio is painted anew
    surface_.AttachTarget(nullptr);
    Begin(1.5);
    EXPECT_EQ(End().size(), QSize(60, 45));
}

TEST_F(CanvasRatio, OnePixelLinesAndDotsAreRatioSquaresOfDevicePixels) {
    Begin(2);
    surface_.Pen()->SetColor(clBlack);
    surface_.DrawLine(2, 3, 10, 3);  // logical pixels 2..9 of row 3
    surface_.Pen()->SetStyle(psDot);
    surface_.DrawLine(0, 20, 12, 20);  // dots of 3, gaps of 3
    const QImage& image = End();
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) {
            const bool line = y / 2 == 3 && x / 2 >= 2 && x / 2 < 10;
            const bool dot = y / 2 == 20 && x / 2 < 12 && (x / 2) % 6 < 3;
            EXPECT_EQ(image.pixel(x, y) != kWhite, line || dot) << x << "," << y;
        }
    }
}

TEST_F(CanvasRatio, HatchKeepsItsEightPixelPeriod) {
    Begin(2);
    surface_.Brush()->SetColor(clBlack);
    surface_.Brush()->SetStyle(bsCross);  // logical row 4 and column 4 of every 8 x 8 cell
    surface_.FillRectangle({0, 0, 16, 16});
    const QImage& image = End();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x < 32 && y < 32;
            const bool line = (x / 2) % 8 == 4 || (y / 2) % 8 == 4;
            EXPECT_EQ(image.pixel(x, y) != kWhite, inside && line) << x << "," << y;
        }
}

TEST_F(CanvasRatio, AtAFractionalRatioEqualLinesStayEqual) {
    Begin(1.5);
    surface_.Pen()->SetColor(clBlack);
    for (int y = 2; y < 8; ++y)
        surface_.DrawLine(1, y * 3 + y % 2, 20, y * 3 + y % 2);  // at even and odd rows
    for (int x = 22; x < 34; x += 2) surface_.DrawLine(x, 1, x, 25);
    const QImage& image = End();
    int rows = 0, columns = 0;
    for (int y = 0; y < 45; ++y) rows += image.pixel(10, y) != kWhite ? 1 : 0;
    for (int x = 30; x < 60; ++x) columns += image.pixel(x, 10) != kWhite ? 1 : 0;
    EXPECT_EQ(rows, 6 * 2);  // each line 2 device pixels thick
    EXPECT_EQ(columns, 6 * 2);
}

TEST_F(CanvasRatio, TextIsDrawnAtTheDeviceSizeNotAsDoubledPixels) {
    Begin(2);
    surface_.Font()->SetSize(10);
    surface_.PutText(2, 2, "Mj10");
    const QImage& image = End();
    int unevenBlocks = 0;
    for (int y = 0; y + 1 < 60; y += 2)
        for (int x = 0; x + 1 < 80; x += 2) {
            const QRgb p = image.pixel(x, y);
            unevenBlocks += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ? 1 : 0;
        }
    EXPECT_GT(unevenBlocks, 0);
}

TEST(ChartRatio, LayoutIsTheSameAtEveryRatio) {
    TChart chart;
    chart.resize(300, 200);
    chart.BottomAxis()->SetRange(0, 100);
    chart.LeftAxis()->SetRange(0, 50);
    auto layout = [&](qreal ratio) {
        QImage image(qRound(300 * ratio), qRound(200 * ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        chart.Surface()->SetDevicePixelRatio(ratio);
        for (int i = 0; i < 3; ++i) {  // the labels band settles within a few paints
            chart.RequestRedraw();
            chart.RenderTo(painter, chart.PanelClientRect());
        }
        const TRect plot = chart.PlotRect();
        return std::vector<int>{plot.Left,
                                plot.Top,
                                plot.Right,
                                plot.Bottom,
                                chart.BottomAxis()->XPixelOf(37),
                                chart.LeftAxis()->YPixelOf(13),
                                chart.BottomAxis()->LabelsSize(),
                                chart.LeftAxis()->LabelsSize()};
    };
    const std::vector<int> atOne = layout(1);
    EXPECT_EQ(layout(1.5), atOne);
    EXPECT_EQ(layout(2), atOne);
}

}  // namespace
