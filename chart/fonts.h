// The toolkit font and the chart's default font.
#pragma once

#include <QFont>
#include <cstdint>
#include <functional>
#include <string>

#include "chart/chartfwd.h"

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// A set of TFontStyle flags.
using TFontStyles = std::uint8_t;

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

constexpr int DEFAULT_CHARSET = 1;
constexpr int SHIFTJIS_CHARSET = 128;

// Height is the character height in pixels, negated; Size is in points on a device of
// PixelsPerInch (Size = -Height x 72 / PixelsPerInch). Name is UTF-8. Every setter that changes a
// value calls OnChange.
class TFont {
  public:
    explicit TFont(std::function<void()> onChange = {}) : OnChange(std::move(onChange)) {}
    TFont(const TFont& other) = default;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    int Height() const { return height_; }
    void SetHeight(int value);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);
    int Charset() const { return charset_; }
    void SetCharset(int value);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch value);
    // Changing the device resolution keeps Height (the pixels) and so changes Size.
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int value);

    // Copies Name, Height, Color, Style, Charset, Pitch and PixelsPerInch, then calls OnChange once.
    void Assign(const TFont& source);

    // The Qt font to draw with: the family mapped to an installed one, the pixel size from Height,
    // no antialiasing (the chart's pixels are exact).
    QFont ToQFont() const;

    std::function<void()> OnChange;

  private:
    void Changed() const {
        if (OnChange) OnChange();
    }

    std::string name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    int pixelsPerInch_ = 96;
};

// The installed family that stands in for a font name: the Windows Japanese fonts map to the IPA
// fonts, else to any installed font that writes Japanese; an installed name maps to itself.
QString ResolveFontFamily(const std::string& name);

// "ＭＳ Ｐ明朝" (the toolkit's default name instead when the table says "Arial" on a Japanese desktop).
std::string DefaultFontName();
// 9 (the toolkit's default size instead when the table says 8 on a Japanese desktop).
int DefaultFontSize();
// A font with the default name and size, colour clBlack, no style, and the change callback.
TFont NewDefaultFont(std::function<void()> onChange);
