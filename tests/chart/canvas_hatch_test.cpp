// Hatched brushes: one-pixel lines with an 8-pixel period aligned to the target's origin, the gaps
// governed by the background mode.
#include <functional>

#include "tests/chart/canvas_fixture.h"

namespace {

struct HatchCase {
    TBrushStyle style;
    const char* name;
    std::function<bool(int x, int y)> inked;  // in target coordinates
};

int Mod8(int v) {
    return ((v % 8) + 8) % 8;
}

const HatchCase kHatches[] = {
    {bsHorizontal, "Horizontal", [](int, int y) { return Mod8(y) == 4; }},
    {bsVertical, "Vertical", [](int x, int) { return Mod8(x) == 4; }},
    {bsFDiagonal, "FDiagonal", [](int x, int y) { return Mod8(x - y) == 0; }},
    {bsBDiagonal, "BDiagonal", [](int x, int y) { return Mod8(x + y) == 7; }},
    {bsCross, "Cross", [](int x, int y) { return Mod8(x) == 4 || Mod8(y) == 4; }},
    {bsDiagCross, "DiagCross", [](int x, int y) { return Mod8(x - y) == 0 || Mod8(x + y) == 7; }},
};

class CanvasHatch : public CanvasPixels, public ::testing::WithParamInterface<HatchCase> {};

// Two rectangles at different offsets: the pattern follows the target, not the rectangle.
void FillTwo(TChartCanvas3D& surface) {
    surface.FillRectangle({3, 5, 27, 29});
    surface.FillRectangle({33, 2, 61, 45});
}

bool Inside(int x, int y) {
    return (x >= 3 && x < 27 && y >= 5 && y < 29) || (x >= 33 && x < 61 && y >= 2 && y < 45);
}

TEST_P(CanvasHatch, TransparentModeLeavesTheGapsUntouched) {
    surface_.Brush()->SetColor(clBlue);
    surface_.Brush()->SetStyle(GetParam().style);
    surface_.ApplyBackColor(clRed);
    surface_.ApplyBackMode(bmTransparent);
    FillTwo(surface_);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            TColor expected = Inside(x, y) && GetParam().inked(x, y) ? clBlue : clWhite;
            ASSERT_EQ(At(x, y), expected) << GetParam().name << " at " << x << "," << y;
        }
    }
}

TEST_P(CanvasHatch, OpaqueModePaintsTheGapsInTheBackgroundColour) {
    surface_.Brush()->SetColor(clBlue);
    surface_.Brush()->SetStyle(GetParam().style);
    surface_.ApplyBackColor(clRed);
    surface_.ApplyBackMode(bmOpaque);
    FillTwo(surface_);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            TColor expected = !Inside(x, y) ? clWhite : GetParam().inked(x, y) ? clBlue : clRed;
            ASSERT_EQ(At(x, y), expected) << GetParam().name << " at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllStyles, CanvasHatch, ::testing::ValuesIn(kHatches),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasPixels, PatternBitmapFillsInsteadOfTheStyle) {
    QImage pattern(2, 2, QImage::Format_RGB32);
    pattern.fill(Qt::green);
    pattern.setPixelColor(0, 0, Qt::red);
    surface_.Brush()->SetStyle(bsClear);
    surface_.Brush()->SetBitmap(pattern);
    surface_.FillRectangle({0, 0, 4, 4});
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(2, 2), clRed);
    EXPECT_EQ(At(1, 0), clLime);
}

}  // namespace
