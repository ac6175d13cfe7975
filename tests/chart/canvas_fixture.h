// A surface drawing on a white QImage, and ways to look at the pixels.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "chart/canvas.h"
#include "chart/colors.h"

class CanvasPixels : public ::testing::Test {
  protected:
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 48;

    void SetUp() override {
        image_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&image_);
        surface_.AttachTarget(painter_.get());
        surface_.ApplyBuffered(false);
    }
    void TearDown() override { Finish(); }

    // Ends drawing so the image can be read.
    const QImage& Finish() {
        if (painter_) {
            surface_.AttachTarget(nullptr);
            painter_.reset();
        }
        return image_;
    }
    TColor At(int x, int y) { return FromQColor(Finish().pixelColor(x, y)); }
    bool IsWhite(int x, int y) { return At(x, y) == clWhite; }
    // The smallest rectangle (exclusive Right/Bottom) holding every pixel that is not white.
    TRect InkBox() {
        const QImage& image = Finish();
        TRect box{kWidth, kHeight, 0, 0};
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (image.pixel(x, y) == 0xFFFFFFFFu) continue;
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                       std::max(box.Bottom, y + 1)};
            }
        }
        return box;
    }
    int CountOf(TColor colour) {
        const QImage& image = Finish();
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) count += FromQColor(image.pixelColor(x, y)) == colour ? 1 : 0;
        return count;
    }

    QImage image_{kWidth, kHeight, QImage::Format_RGB32};
    std::unique_ptr<QPainter> painter_;
    TChartCanvas3D surface_;
};
