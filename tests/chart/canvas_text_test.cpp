// Text at a reference point by the alignment flags, rotated text, measurement, angle check.
#include <QFontDatabase>
#include <QFontMetrics>
#include <climits>
#include <optional>
#include <utility>

#include "chart/errors.h"
#include "tests/chart/canvas_fixture.h"

namespace {

class CanvasText : public CanvasPixels {
  protected:
    void SetUp() override {
        CanvasPixels::SetUp();
        surface_.Font()->SetSize(10);
        metrics_.emplace(surface_.Font()->ToQFont());
        width_ = surface_.MeasureWidth("MM");
    }
    // Where the text cell of "MM" lies when drawn at (30, 24) with these flags and an opaque
    // background: the cell is painted, so its box is exact.
    TRect CellAt(int flags) {
        surface_.ApplyTextAlign(flags);
        surface_.ApplyBackMode(bmOpaque);
        surface_.ApplyBackColor(clRed);
        surface_.PutText(30, 24, "MM");
        return InkBox();
    }
    std::optional<QFontMetrics> metrics_;
    int width_ = 0;
};

TEST_F(CanvasText, MeasurementsFollowTheFont) {
    EXPECT_GT(width_, 0);
    EXPECT_EQ(surface_.MeasureHeight("MM"), metrics_->height());
    EXPECT_EQ(surface_.LineHeight(), metrics_->height());
    int small = surface_.LineHeight();
    surface_.Font()->SetSize(20);
    EXPECT_GT(surface_.LineHeight(), small);
}

// The cell of "MM" at (30, 24): left/top below and right of the point, right/bottom above and
// left, centre/baseline centred across and sitting on the baseline.
TEST_F(CanvasText, AlignmentPlacesTheCellAroundTheReferencePoint) {
    const int ascent = metrics_->ascent();
    const int height = metrics_->height();
    const int centred = 30 - width_ / 2;
    const std::pair<int, TRect> cases[] = {
        {TA_LEFT | TA_TOP, {30, 24, 30 + width_, 24 + height}},
        {TA_RIGHT | TA_BOTTOM, {30 - width_, 24 - height, 30, 24}},
        {TA_CENTER | TA_BASELINE, {centred, 24 - ascent, centred + width_, 24 - ascent + height}},
    };
    for (const auto& [flags, cell] : cases) {
        Finish();
        image_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&image_);
        surface_.AttachTarget(painter_.get());
        EXPECT_EQ(CellAt(flags), cell) << flags;
    }
}

TEST_F(CanvasText, TransparentTextPaintsOnlyGlyphsInTheFontColour) {
    surface_.Font()->SetColor(clBlue);
    surface_.PutText(5, 5, "MM");
    EXPECT_GT(CountOf(clBlue), 0);
    EXPECT_EQ(CountOf(clBlue) + CountOf(clWhite), kWidth * kHeight);
    TRect ink = InkBox();
    EXPECT_GE(ink.Left, 5);
    EXPECT_LE(ink.Right, 5 + width_ + 1);
}

TEST_F(CanvasText, RotatedNinetyReadsBottomToTop) {
    surface_.ApplyBackMode(bmOpaque);
    surface_.ApplyBackColor(clRed);
    surface_.PutRotatedText(20, 40, "MM", 90);
    // The cell's top edge lies along x = 20 and the text runs upwards from y = 40.
    EXPECT_EQ(InkBox(), (TRect{20, 40 - width_, 20 + metrics_->height(), 40}));
    EXPECT_EQ(surface_.Brush()->Style(), bsClear);
}

TEST_F(CanvasText, AngleAbove360IsReducedOnce) {
    surface_.PutRotatedText(20, 40, "Mj", 450);
    QImage first = Finish().copy();
    image_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&image_);
    surface_.AttachTarget(painter_.get());
    surface_.PutRotatedText(20, 40, "Mj", 90);
    EXPECT_EQ(Finish(), first);
}

// What Qt itself draws for `text` turned by `angle` at (x, y) in the surface's outline font.
QImage QtRotatedText(const QFont& font, int x, int y, const QString& text, int angle) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont outline(font);
    outline.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::NoAntialias | QFont::ForceOutline));
    painter.setFont(outline);
    painter.setPen(Qt::blue);
    painter.translate(x, y);
    painter.rotate(-angle);
    painter.drawText(QPoint(0, QFontMetrics(font).ascent()), text);
    return image;
}

TEST_F(CanvasText, QuarterTurnedTextHasQtsOwnGlyphPixelsWhereverItGoes) {
    surface_.Font()->SetColor(clBlue);
    for (int angle : {90, 270}) {
        for (const auto& [x, y] : {std::pair{20, 40}, std::pair{37, 9}, std::pair{20, 40}}) {
            Finish();
            image_.fill(Qt::white);
            painter_ = std::make_unique<QPainter>(&image_);
            surface_.AttachTarget(painter_.get());
            surface_.PutRotatedText(x, y, "Mj", angle);
            EXPECT_EQ(Finish(), QtRotatedText(surface_.Font()->ToQFont(), x, y, "Mj", angle))
                << angle << " at " << x << "," << y;
        }
    }
}

TEST_F(CanvasText, TextTooLongToStampIsDrawnByQtAlike) {
    const std::string text(10000, 'M');  // its stamp's canvas would hold millions of pixels
    surface_.Font()->SetColor(clBlue);
    surface_.PutText(5, 5, text);
    QImage upright(kWidth, kHeight, QImage::Format_RGB32);
    upright.fill(Qt::white);
    {
        QPainter painter(&upright);
        painter.setFont(surface_.Font()->ToQFont());
        painter.setPen(Qt::blue);
        painter.drawText(QPoint(5, 5 + metrics_->ascent()), QString::fromStdString(text));
    }
    EXPECT_EQ(Finish(), upright);
    image_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&image_);
    surface_.AttachTarget(painter_.get());
    surface_.PutRotatedText(20, 40, text, 90);
    EXPECT_EQ(Finish(), QtRotatedText(surface_.Font()->ToQFont(), 20, 40, QString::fromStdString(text), 90));
}

TEST_F(CanvasText, QuarterTurnedTextOnAnOpaqueCellKeepsItsGlyphsOnTop) {
    surface_.Font()->SetColor(clBlue);
    surface_.ApplyBackMode(bmOpaque);
    surface_.ApplyBackColor(clRed);
    surface_.PutRotatedText(20, 10, "MM", 270);
    EXPECT_GT(CountOf(clBlue), 0);
    // The cell runs down from y = 10 and left of x = 20.
    EXPECT_EQ(InkBox(), (TRect{20 - metrics_->height(), 10, 20, 10 + width_}));
}

TEST_F(CanvasText, EmptyTextDrawsNothing) {
    surface_.ApplyBackMode(bmOpaque);
    surface_.PutText(5, 5, "");
    EXPECT_EQ(CountOf(clWhite), kWidth * kHeight);
}

TEST(CanvasAngle, ValidateAngleRejectsOutsideWithTheDescription) {
    for (int angle : {360, -1}) {
        try {
            TChartCanvas::ValidateAngle(angle, "軸タイトル");
            ADD_FAILURE() << angle << " accepted";
        } catch (const ChartException& error) {
            EXPECT_EQ(std::string(error.what()), "軸タイトルの角度は 0 から 359 の間でなければなりません");
        }
    }
}

TEST(CanvasFonts, DefaultFontIsTheJapaneseMinchoAtNinePoints) {
    int changes = 0;
    TFont font = NewDefaultFont([&] { ++changes; });
    EXPECT_EQ(font.Name(), "ＭＳ Ｐ明朝");
    EXPECT_EQ(font.Size(), 9);
    EXPECT_EQ(font.Height(), -12);
    EXPECT_EQ(font.Color(), clBlack);
    EXPECT_EQ(font.Style(), 0);
    EXPECT_EQ(changes, 0);
    font.SetSize(9);
    EXPECT_EQ(changes, 0);
    font.SetColor(clRed);
    EXPECT_EQ(changes, 1);
}

TEST(CanvasFonts, WindowsJapaneseFontsMapToAnInstalledJapaneseFamily) {
    for (const char* name : {"ＭＳ Ｐ明朝", "ＭＳ ゴシック", "ＭＳ Ｐゴシック"}) {
        QString family = ResolveFontFamily(name);
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << name << " -> " << family.toStdString();
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)) << name;
    }
}

}  // namespace

namespace {

// Axes may anchor a label at the very ends of the int range; such text shows nowhere.
TEST_F(CanvasText, TextAnchoredAtTheIntLimitsDrawsNothing) {
    surface_.ApplyBackMode(bmOpaque);
    for (int flags : {TA_LEFT | TA_TOP, TA_CENTER | TA_BOTTOM, TA_RIGHT | TA_BASELINE}) {
        surface_.ApplyTextAlign(flags);
        surface_.PutText(INT_MAX, INT_MAX, "MM");
        surface_.PutText(INT_MIN, INT_MIN, "MM");
    }
    EXPECT_EQ(InkBox(), (TRect{kWidth, kHeight, 0, 0}));  // no pixel inked
}

}  // namespace
