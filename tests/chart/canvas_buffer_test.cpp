// The off-screen buffer: reuse, re-creation, clean repaints, unbuffered drawing, defaults.
#include <algorithm>
#include <functional>

#include "chart/chart.h"
#include "chart/view3d.h"
#include "tests/chart/canvas_fixture.h"

namespace {

class CanvasBuffer : public ::testing::Test {
  protected:
    // One paint as the panel does it: try the clean buffer, else draw a red square and present.
    // Returns True when the buffer was only copied.
    bool Paint(int width, int height) {
        window_ = QImage(width, height, QImage::Format_RGB32);
        window_.fill(Qt::white);
        QPainter painter(&window_);
        surface_.AttachTarget(&painter);
        bool copied = surface_.RepaintFromBuffer();
        if (!copied) {
            TRect bounds =
                surface_.PrepareSurface(&painter, &options_, clBtnFace, false, {0, 0, width, height});
            if (draw_) {
                draw_();
            } else {
                surface_.Brush()->SetColor(clRed);
                surface_.FillRectangle({bounds.Left + 2, bounds.Top + 2, bounds.Left + 6, bounds.Top + 6});
            }
            ++draws_;
            surface_.PresentImage(&painter, &painter, {0, 0, width, height});
        }
        surface_.AttachTarget(nullptr);
        return copied;
    }

    // The box (exclusive Right and Bottom) of the window's pixels in `colour`.
    TRect InkBox(TColor colour) const {
        TRect box{window_.width(), window_.height(), 0, 0};
        for (int y = 0; y < window_.height(); ++y)
            for (int x = 0; x < window_.width(); ++x)
                if (FromQColor(window_.pixelColor(x, y)) == colour)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        return box;
    }

    std::function<void()> draw_;  // what a paint draws instead of the red square
    TChartCanvas3D surface_;
    TView3DOptions options_;
    QImage window_;
    int draws_ = 0;
};

TEST_F(CanvasBuffer, FirstPaintDrawsLaterPaintsCopyUntilMarkedDirty) {
    EXPECT_TRUE(surface_.NeedsRedraw());
    EXPECT_FALSE(Paint(40, 30));
    EXPECT_FALSE(surface_.NeedsRedraw());
    EXPECT_EQ(FromQColor(window_.pixelColor(3, 3)), clRed);
    EXPECT_TRUE(Paint(40, 30));
    EXPECT_EQ(FromQColor(window_.pixelColor(3, 3)), clRed);  // the copy shows the image
    surface_.MarkDirty();
    EXPECT_FALSE(Paint(40, 30));
    EXPECT_EQ(draws_, 2);
}

// Paint after paint the series are clipped to the same rectangle, which is switched off between them.
TEST_F(CanvasBuffer, ClipsAskedAgainClipAgainAndNewOnesReplaceThem) {
    const auto clippedFlood = [this](int width, int height, const TRect& clip) {
        surface_.MarkDirty();
        draw_ = [this, clip] {
            surface_.Brush()->SetColor(clWhite);
            surface_.FillRectangle({0, 0, 64, 48});  // the buffer keeps the last paint's pixels
            surface_.ClipToRect(clip);
            surface_.Brush()->SetColor(clBlack);
            surface_.FillRectangle({0, 0, 64, 48});
            surface_.RemoveClip();
            surface_.Brush()->SetColor(clBlue);
            surface_.FillRectangle({0, 0, 1, 1});  // unclipped again
        };
        Paint(width, height);
        return InkBox(clBlack);
    };
    EXPECT_EQ(clippedFlood(40, 30, {5, 5, 10, 10}), (TRect{5, 5, 10, 10}));
    EXPECT_EQ(clippedFlood(40, 30, {5, 5, 10, 10}), (TRect{5, 5, 10, 10}));
    EXPECT_EQ(FromQColor(window_.pixelColor(0, 0)), clBlue);
    EXPECT_EQ(clippedFlood(40, 30, {20, 10, 30, 20}), (TRect{20, 10, 30, 20}));
    EXPECT_EQ(clippedFlood(40, 30, {5, 5, 10, 10}), (TRect{5, 5, 10, 10}));
    EXPECT_EQ(clippedFlood(50, 35, {5, 5, 10, 10}), (TRect{5, 5, 10, 10}));  // a new buffer
}

TEST_F(CanvasBuffer, BufferOfTheSameSizeIsReused) {
    Paint(40, 30);
    const QImage* first = surface_.Buffer();
    surface_.MarkDirty();
    Paint(40, 30);
    EXPECT_EQ(surface_.Buffer(), first);
    EXPECT_EQ(surface_.LastBounds(), (TRect{0, 0, 40, 30}));
}

TEST_F(CanvasBuffer, ResizeRecreatesTheBufferAtTheNewSize) {
    Paint(40, 30);
    surface_.MarkDirty();
    Paint(50, 35);
    ASSERT_NE(surface_.Buffer(), nullptr);
    EXPECT_EQ(surface_.Buffer()->size(), QSize(50, 35));
}

TEST_F(CanvasBuffer, PrepareSurfaceReturnsBufferOrigin) {
    QImage target(100, 100, QImage::Format_RGB32);
    QPainter painter(&target);
    EXPECT_EQ(surface_.PrepareSurface(&painter, nullptr, clWhite, false, {10, 20, 50, 60}),
              (TRect{0, 0, 40, 40}));
    surface_.ApplyBuffered(false);
    EXPECT_EQ(surface_.PrepareSurface(&painter, nullptr, clWhite, false, {10, 20, 50, 60}),
              (TRect{10, 20, 50, 60}));
    EXPECT_EQ(surface_.Target(), &painter);
    surface_.AttachTarget(nullptr);
}

TEST_F(CanvasBuffer, UnbufferedAlwaysDraws) {
    surface_.ApplyBuffered(false);
    EXPECT_FALSE(Paint(40, 30));
    EXPECT_FALSE(Paint(40, 30));
    EXPECT_EQ(draws_, 2);
    EXPECT_EQ(surface_.Buffer(), nullptr);
    EXPECT_TRUE(surface_.NeedsRedraw());
    EXPECT_EQ(FromQColor(window_.pixelColor(3, 3)), clRed);
}

TEST_F(CanvasBuffer, SwitchingBufferingOffDiscardsTheImage) {
    Paint(40, 30);
    surface_.ApplyBuffered(false);
    EXPECT_EQ(surface_.Buffer(), nullptr);
    EXPECT_TRUE(surface_.NeedsRedraw());
    EXPECT_FALSE(surface_.QueryBuffered());
}

TEST_F(CanvasBuffer, MonochromeChangeDiscardsAndAsksForARepaint) {
    int requests = 0;
    surface_.OnRepaintRequest = [&] { ++requests; };
    Paint(40, 30);
    surface_.ApplyMonochrome(false);
    EXPECT_EQ(requests, 0);
    surface_.ApplyMonochrome(true);
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(surface_.QueryMonochrome());
    EXPECT_EQ(surface_.Buffer(), nullptr);
    EXPECT_FALSE(Paint(40, 30));
    EXPECT_EQ(FromQColor(window_.pixelColor(3, 3)), clBlack);  // red reduced to two colours
}

TEST_F(CanvasBuffer, EmptyPanelPaintsNothingAndDoesNotFail) {
    EXPECT_FALSE(Paint(0, 0));
    EXPECT_EQ(surface_.Buffer(), nullptr);
    EXPECT_TRUE(surface_.NeedsRedraw());
}

TEST_F(CanvasBuffer, PaintOnAFlatChartResetsDepthState) {
    Paint(10, 10);
    EXPECT_FALSE(surface_.DepthMode());
    EXPECT_DOUBLE_EQ(surface_.ProjectionZoom(), 1.0);
    EXPECT_FALSE(surface_.ProjectOrthogonal());
    EXPECT_FALSE(surface_.IsDepthRenderer());
    EXPECT_FALSE(surface_.DrawsTextInDepth());
}

TEST(CanvasDefaults, RestoreDefaultsResetsPenBrushFontAndBackground) {
    TChartCanvas3D surface;
    surface.Pen()->SetColor(clRed);
    surface.Pen()->SetWidth(3);
    surface.Pen()->SetStyle(psDash);
    surface.Brush()->SetColor(clBlue);
    surface.Brush()->SetStyle(bsCross);
    surface.Font()->SetColor(clRed);
    surface.Font()->SetSize(24);
    surface.ApplyBackColor(clRed);
    surface.ApplyBackMode(bmOpaque);
    surface.RestoreDefaults();
    EXPECT_EQ(surface.Pen()->Color(), clBlack);
    EXPECT_EQ(surface.Pen()->Width(), 1);
    EXPECT_EQ(surface.Pen()->Style(), psSolid);
    EXPECT_EQ(surface.Brush()->Color(), clWhite);
    EXPECT_EQ(surface.Brush()->Style(), bsSolid);
    EXPECT_EQ(surface.Font()->Color(), clBlack);
    EXPECT_EQ(surface.Font()->Size(), 10);
    EXPECT_EQ(surface.QueryBackColor(), clWhite);
    EXPECT_EQ(surface.QueryBackMode(), bmTransparent);
}

TEST(CanvasDefaults, UnattachedSurfaceDrawsNothingButMeasures) {
    TChartCanvas3D surface;
    surface.DrawLine(0, 0, 10, 10);
    surface.PutText(0, 0, "W");
    surface.FillGradient({0, 0, 10, 10}, clRed, clBlue, gdTopBottom);
    EXPECT_GT(surface.MeasureWidth("W"), 0);
    EXPECT_FALSE(surface.RepaintFromBuffer());
}

}  // namespace

// The last image is the buffer itself: a copy a caller keeps must not change with the next paint.
TEST(LastImage, ACopyKeptByTheCallerKeepsItsPixelsThroughTheNextPaint) {
    TChart chart;
    chart.resize(200, 150);
    chart.SetView3D(false);
    chart.SetColor(clWhite);
    chart.RenderToImage();
    const QImage kept = chart.LastImage();
    const QImage pixels = kept.copy();
    chart.SetColor(clRed);
    chart.RenderToImage();
    EXPECT_EQ(kept, pixels);
    EXPECT_NE(chart.LastImage(), pixels);
    EXPECT_EQ(chart.LastImage().pixel(100, 75), qRgb(255, 0, 0));
}
