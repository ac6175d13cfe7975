// The fast paths (spans written into the buffer, text stamps, hatch tiles, revived clips) give the
// very pixels Qt's own drawing gives: the same random drawing with the fast paths on and off.
#include <gtest/gtest.h>

#include <QImage>
#include <random>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/colors.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// One text drawing: what, in which font, where and turned how far.
struct TTextCase {
    std::string Text;
    std::string Font;
    int Height;  // TFont::Height: negative is pixels
    TFontStyles Style;
    int Angle;  // -1: PutText
    int X;
    int Y;
};

// `letter` followed by `times` copies of `piece` (built in place: GCC 12 takes `"a" + string`
// for an overlapping copy at -O3).
std::string Marked(char letter, const std::string& piece, int times) {
    std::string out(1, letter);
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

const std::string kAcute = "\xCC\x81";       // U+0301, stacks above
const std::string kGraveBelow = "\xCC\x96";  // U+0316, stacks below

// Texts whose ink leaves the line box: stacked marks, and underline and strike-out at the edges.
const std::vector<TTextCase>& EdgeTexts() {
    static const std::vector<TTextCase> cases = {
        {Marked('a', kAcute, 60), "DejaVu Sans", -12, 0, -1, 40, 60},
        {Marked('a', kGraveBelow, 60), "DejaVu Sans", -12, 0, -1, 40, 20},
        {Marked('a', kAcute, 60), "DejaVu Sans", -12, 0, 90, 60, 60},
        {Marked('a', kGraveBelow, 60), "DejaVu Sans", -12, 0, 270, 60, 60},
        {"Mj 10,000", "Arial", -11, fsUnderline | fsStrikeOut, 90, -14, 80},
        {"Wg", "DejaVu Serif", -217, fsItalic | fsUnderline | fsStrikeOut, -1, -30, -40},
    };
    return cases;
}

int DifferentPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

class Drawing {
  public:
    explicit Drawing(bool fast, qreal ratio = 1) {
        surface_.UseFastPaths(fast);
        surface_.SetDevicePixelRatio(ratio);
        surface_.PrepareSurface(nullptr, nullptr, clWhite, false, {0, 0, kWidth, kHeight});
    }
    ~Drawing() { surface_.AttachTarget(nullptr); }
    TChartCanvas3D& operator*() { return surface_; }
    QImage Pixels() const { return surface_.Buffer()->copy(); }

  private:
    TChartCanvas3D surface_;
};

void DrawText(TChartCanvas3D& s, const TTextCase& c) {
    s.Font()->SetName(c.Font);
    s.Font()->SetHeight(c.Height);
    s.Font()->SetStyle(c.Style);
    s.Font()->SetColor(clBlue);
    if (c.Angle < 0)
        s.PutText(c.X, c.Y, c.Text);
    else
        s.PutRotatedText(c.X, c.Y, c.Text, c.Angle);
}

// A random step of a chart-like paint: a line (one-pixel, dotted, wide, far off the device), a
// hatched fill, a clip or its removal, or a text.
void RandomStep(TChartCanvas3D& s, std::mt19937& random) {
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    static const TColor kColours[] = {clBlack, clRed, clGray, 0x00AA55, clBlue};
    static const std::vector<std::string> kTexts = {"10,000", "Mj", "ギア比", "\xF0\x9F\x98\x80 km/h",
                                                    Marked('e', kAcute, 8)};
    const auto coordinate = [&](int size) {
        return pick(0, 9) == 0 ? pick(-3000000, 3000000) : pick(-20, size + 20);
    };
    s.ApplyBackMode(pick(0, 1) == 0 ? bmOpaque : bmTransparent);
    s.ApplyBackColor(kColours[pick(0, 4)]);
    switch (pick(0, 5)) {
        case 0:
        case 1: {
            TChartPen pen;
            pen.SetColor(kColours[pick(0, 4)]);
            pen.SetWidth(pick(0, 5) == 0 ? 2 : 1);
            pen.SetStyle(static_cast<TPenStyle>(pick(0, 4)));
            pen.SetSmallDots(pick(0, 3) == 0);
            s.UsePen(pen);
            // Qt's own styled line, drawn from its end, loses its pattern's phase where that end lies
            // off the device; so styled lines stay on it.
            const bool styled = pen.SmallDots() || pen.Style() != psSolid;
            const auto at = [&](int size) { return styled ? pick(0, size - 1) : coordinate(size); };
            const int x = at(kWidth), y = at(kHeight);
            const int kind = pick(0, 2);  // horizontal, vertical, any
            const int x1 = kind == 1 ? x : at(kWidth);
            const int y1 = kind == 0 ? y : at(kHeight);
            s.DrawLine(x, y, x1, y1);
            break;
        }
        case 2:
            s.Brush()->SetColor(kColours[pick(0, 4)]);
            s.Brush()->SetStyle(static_cast<TBrushStyle>(pick(bsHorizontal, bsDiagCross)));
            s.FillRectangle(
                {coordinate(kWidth), coordinate(kHeight), coordinate(kWidth), coordinate(kHeight)});
            break;
        case 3:
            s.ClipToRect({pick(-5, kWidth), pick(-5, kHeight), pick(0, kWidth + 5), pick(0, kHeight + 5)});
            break;
        case 4:
            s.RemoveClip();
            break;
        default: {
            static const int kAngles[] = {-1, -1, 90, 270, 30};
            static const TFontStyles kStyles[] = {0, fsUnderline, fsStrikeOut, fsItalic | fsUnderline,
                                                  fsBold};
            const int height = pick(0, 7) == 0 ? pick(-400, 40) : -pick(6, 24);
            DrawText(s, {kTexts[static_cast<size_t>(pick(0, 4))], pick(0, 1) ? "DejaVu Sans" : "IPAPGothic",
                         height, kStyles[pick(0, 4)], kAngles[pick(0, 4)], coordinate(kWidth),
                         coordinate(kHeight)});
        }
    }
}

TEST(CanvasFastPaths, GiveQtsOwnPixels) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Drawing fast(true), plain(false);
        std::mt19937 fastRandom(seed), plainRandom(seed);
        for (int step = 0; step < 40; ++step) {
            RandomStep(*fast, fastRandom);
            RandomStep(*plain, plainRandom);
        }
        ASSERT_EQ(DifferentPixels(fast.Pixels(), plain.Pixels()), 0) << "seed " << seed;
    }
}

TEST(CanvasFastPaths, TextsWhoseInkLeavesTheLineBoxGiveQtsOwnPixels) {
    for (const TTextCase& c : EdgeTexts()) {
        Drawing fast(true), plain(false);
        DrawText(*fast, c);
        DrawText(*plain, c);
        EXPECT_EQ(DifferentPixels(fast.Pixels(), plain.Pixels()), 0)
            << c.Font << " " << c.Height << " at " << c.Angle;
    }
}

// At ratio 2 the stamps are made at the device size: the same pixels as Qt's text at that size.
TEST(CanvasFastPaths, TextsAtRatioTwoGiveQtsOwnPixels) {
    std::vector<TTextCase> texts = EdgeTexts();
    for (int angle : {-1, 90, 270}) texts.push_back({"10,000 km/h", "IPAPGothic", -12, 0, angle, 37, 51});
    for (const TTextCase& c : texts) {
        Drawing fast(true, 2), plain(false, 2);
        DrawText(*fast, c);
        DrawText(*plain, c);
        EXPECT_EQ(DifferentPixels(fast.Pixels(), plain.Pixels()), 0)
            << c.Font << " " << c.Height << " at " << c.Angle;
    }
}

// At ratio 2 the hatch is written into the buffer, each hatch pixel 2 x 2 device pixels, laid from
// the logical origin as Qt lays its brush.
TEST(CanvasFastPaths, HatchesAtRatioTwoGiveQtsOwnPixels) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Drawing fast(true, 2), plain(false, 2);
        for (TChartCanvas3D* s : {&*fast, &*plain}) {
            std::mt19937 random(seed);
            auto pick = [&](int low, int high) {
                return std::uniform_int_distribution<int>(low, high)(random);
            };
            for (int step = 0; step < 12; ++step) {
                if (pick(0, 3) == 0)
                    s->ClipToRect({pick(-5, kWidth), pick(-5, kHeight), pick(0, kWidth), pick(0, kHeight)});
                if (pick(0, 3) == 0) s->RemoveClip();
                s->Brush()->SetColor(pick(0, 1) == 0 ? clBlue : clRed);
                s->Brush()->SetStyle(static_cast<TBrushStyle>(pick(bsHorizontal, bsDiagCross)));
                s->FillRectangle(
                    {pick(-20, kWidth), pick(-20, kHeight), pick(0, kWidth + 20), pick(0, kHeight + 20)});
            }
        }
        ASSERT_EQ(DifferentPixels(fast.Pixels(), plain.Pixels()), 0) << "seed " << seed;
    }
}

}  // namespace
