// Realised fonts and laid-out texts, kept across paints: a chart paints the same few fonts and the
// same label texts again and again, and realising a font or shaping a text costs far more than
// drawing it. A text is shaped once per font; its pixels in a colour are kept as a stamp that is
// drawn where the same text would be drawn (only where that gives the very same pixels).
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "chart/fonts.h"

class QPainter;

// One text in one font: its Qt string, advance width and the stamps drawn so far.
struct TLaidOutText {
    static constexpr int kUpright = -1;
    struct TStamp {
        TColor Colour = clNone;
        int Angle = kUpright;  // kUpright, or the angle of the outline font turned by 90 or 270
        int Scale = 1;         // device pixels per logical pixel
        QImage Pixels;         // only the drawn pixels' bounding box; null when the text draws none
        QPoint Offset;         // of the image's top left corner from the text's baseline origin (logical)
        bool Made = false;
    };
    std::string Utf8;
    QString Text;
    int Width = 0;
    // Where the text's stamp canvas lies around its baseline origin, upright: the line box and the
    // glyphs' ink (stacked marks may reach far beyond the line box), with room to spare.
    QRect Area;
    std::array<TStamp, 3> Stamps;
    size_t NextStamp = 0;
};

// A TFont realised as a Qt font with its metrics, and the texts laid out in it.
class TRealisedFont {
  public:
    explicit TRealisedFont(const TFont& font);
    // True when `font` realises to this very Qt font (its colour and charset do not matter).
    bool Matches(const TFont& font) const;
    const QFont& Font() const { return font_; }
    // The same font as an outline font that can be turned.
    const QFont& RotatedFont() const { return rotated_; }
    const QFontMetrics& Metrics() const { return metrics_; }
    // The text laid out in this font, laid out now when new. Valid until the next call.
    TLaidOutText& Text(const std::string& utf8);
    // Whether a stamp of the text is worth keeping and exact: a huge text or font would need a
    // canvas of gigabytes, and underline and strike-out are ruled at fractional positions that
    // Qt rounds differently where the text stands; such texts are drawn by Qt each time instead.
    bool Stampable(const TLaidOutText& text, int scale = 1) const;
    // The text's pixels in `colour`, drawn by Qt once: upright in this font, or with its baseline
    // origin at (0, 0) turned by `angle` (90 or 270) in the outline font; at `scale` device pixels
    // per logical pixel (the image has that device pixel ratio).
    const TLaidOutText::TStamp& Stamp(TLaidOutText& text, TColor colour, int angle = TLaidOutText::kUpright,
                                      int scale = 1) const;

  private:
    int StampPad() const;

    std::string name_;
    int height_;
    TFontStyles style_;
    TFontPitch pitch_;
    int pixelsPerInch_;
    QFont font_;
    QFont rotated_;
    QFontMetrics metrics_;
    std::vector<std::unique_ptr<TLaidOutText>> texts_;
};

// The fonts a surface has realised, most recent last.
class TFontCache {
  public:
    // The realised font for `font`, realised now when new. Valid until a font not seen yet is asked.
    TRealisedFont& Realise(const TFont& font);

  private:
    std::vector<std::unique_ptr<TRealisedFont>> fonts_;
};

// Draws `stamp` with its baseline origin at (x, baseline).
void DrawStamp(QPainter& painter, const TLaidOutText::TStamp& stamp, int x, int baseline);
