// Painting at a device pixel ratio: the buffer has the device size and is made anew when the ratio
// changes; coordinates stay logical; a one-pixel line and a dot are r x r device pixels; text is
// drawn from the font at the device size; the layout does not depend on the ratio.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <functional>

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

// A sloping one-pixel line, whichever way it runs, is round(r) device pixels thick, drawn at the
// device resolution (no staircase of r x r blocks), the start pixel in and the end pixel out.
TEST(CanvasRatioLines, SlopingLinesAreRoundRatioThickEveryWay) {
    struct TLine {
        int x0, y0, x1, y1;
    };
    const TLine lines[] = {{5, 5, 35, 15}, {35, 15, 5, 5}, {5, 25, 15, 2}, {15, 2, 5, 25}};
    for (const qreal ratio : {2.0, 1.5}) {
        for (const TLine& line : lines) {
            TChartCanvas3D surface;
            surface.SetDevicePixelRatio(ratio);
            surface.PrepareSurface(nullptr, nullptr, clWhite, false, {0, 0, 40, 30});
            surface.Pen()->SetColor(clBlack);
            surface.DrawLine(line.x0, line.y0, line.x1, line.y1);
            surface.PresentImage(nullptr, nullptr, {0, 0, 40, 30});
            const QImage& image = *surface.Buffer();
            const bool xMajor = std::abs(line.x1 - line.x0) > std::abs(line.y1 - line.y0);
            // Columns along the major axis: a y-major line is read with rows as columns.
            const int columns = xMajor ? image.width() : image.height();
            const int rows = xMajor ? image.height() : image.width();
            const auto inked = [&](int x, int y) {
                return (xMajor ? image.pixel(x, y) : image.pixel(y, x)) != kWhite;
            };
            const int from = xMajor ? line.x0 : line.y0;
            const int to = xMajor ? line.x1 : line.y1;
            // The logical columns the line covers: from its start on, its end left out.
            const int first = std::min(from, to + 1);
            const int last = std::max(from, to - 1);
            int ink = 0, inkColumns = 0, doubled = 0, pairs = 0, left = columns, right = -1;
            for (int x = 0; x < columns; ++x) {
                int column = 0;
                for (int y = 0; y < rows; ++y) {
                    const bool on = inked(x, y);
                    column += on ? 1 : 0;
                    if (on && x % 2 == 1) doubled += inked(x - 1, y) ? 1 : 0;
                }
                if (column == 0) continue;
                ink += column;
                ++inkColumns;
                pairs += x % 2 == 1 ? column : 0;
                left = std::min(left, x);
                right = std::max(right, x);
            }
            const QString what = QStringLiteral("ratio %1, line %2,%3 to %4,%5")
                                     .arg(ratio)
                                     .arg(line.x0)
                                     .arg(line.y0)
                                     .arg(line.x1)
                                     .arg(line.y1);
            const double minor = static_cast<double>(xMajor ? line.y1 - line.y0 : line.x1 - line.x0);
            const double along = std::hypot(1.0, minor / (to - from));
            EXPECT_NEAR(static_cast<double>(ink) / inkColumns, 2.0 * along, 0.25) << what.toStdString();
            EXPECT_NEAR(left, first * ratio, 1.0) << what.toStdString();
            EXPECT_NEAR(right + 1, (last + 1) * ratio, 1.0) << what.toStdString();
            if (ratio == 2.0) {
                EXPECT_LT(doubled, pairs) << what.toStdString();  // not r x r blocks
            }
        }
    }
}

// A wide line is w x r device pixels across, with round ends reaching w x r / 2 beyond its ends.
TEST_F(CanvasRatio, WideLinesAreWTimesRWideWithRoundEnds) {
    Begin(2);
    surface_.Pen()->SetColor(clBlack);
    surface_.Pen()->SetWidth(3);
    surface_.DrawLine(5, 10, 30, 10);  // device: centre row 20, from x 10 to x 60
    const QImage& image = End();
    int across = 0;
    for (int y = 0; y < 60; ++y) across += image.pixel(40, y) != kWhite ? 1 : 0;
    EXPECT_EQ(across, 6);
    EXPECT_NE(image.pixel(62, 20), kWhite);  // the round end, 2.5 device pixels out
    EXPECT_NE(image.pixel(7, 20), kWhite);
    EXPECT_EQ(image.pixel(62, 17), kWhite);  // no square corner
    EXPECT_EQ(image.pixel(7, 17), kWhite);
    EXPECT_EQ(image.pixel(63, 20), kWhite);
}

// A one-pixel outline that Qt draws is as wide as a one-pixel line, on the pixels it covers at 1,
// with the fill inside it.
TEST_F(CanvasRatio, OutlinesAreRatioPixelsWide) {
    const std::array<TPoint, 3> triangle = {TPoint{6, 4}, TPoint{6, 26}, TPoint{30, 26}};
    const std::function<void(TChartCanvas3D&)> shapes[] = {
        [](TChartCanvas3D& s) { s.DrawEllipse(6, 4, 36, 27); },
        [&](TChartCanvas3D& s) { s.DrawPolygon(triangle, 2); },
    };
    for (const auto& shape : shapes) {
        Begin(2);
        surface_.Pen()->SetColor(clBlack);
        surface_.Brush()->SetColor(clRed);
        shape(surface_);
        const QImage& image = End();
        // Across the middle row: the outline's left edge is logical column 6, 2 device pixels, then red.
        const int y = 31;
        EXPECT_EQ(image.pixel(11, y), kWhite);
        EXPECT_EQ(image.pixel(12, y), 0xFF000000u);
        EXPECT_EQ(image.pixel(13, y), 0xFF000000u);
        EXPECT_EQ(image.pixel(14, y), 0xFFFF0000u);
        surface_.Brush()->SetColor(clWhite);
        surface_.FillRectangle({0, 0, 40, 30});
    }
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
