// Colour values: conversion to plain RGB and to Qt colours, system colours, colour names.
#pragma once

#include <QColor>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chartfwd.h"

// Further system colour numbers (low byte of $FF0000nn) that the name table knows.
constexpr TColor clScrollBar = clSystemColor | 0x00;
constexpr TColor clBackground = clSystemColor | 0x01;
constexpr TColor clActiveCaption = clSystemColor | 0x02;
constexpr TColor clInactiveCaption = clSystemColor | 0x03;
constexpr TColor clMenu = clSystemColor | 0x04;
constexpr TColor clWindowFrame = clSystemColor | 0x06;
constexpr TColor clMenuText = clSystemColor | 0x07;
constexpr TColor clCaptionText = clSystemColor | 0x09;
constexpr TColor clActiveBorder = clSystemColor | 0x0A;
constexpr TColor clInactiveBorder = clSystemColor | 0x0B;
constexpr TColor clAppWorkSpace = clSystemColor | 0x0C;
constexpr TColor clHighlight = clSystemColor | 0x0D;
constexpr TColor clHighlightText = clSystemColor | 0x0E;
constexpr TColor clGrayText = clSystemColor | 0x11;
constexpr TColor clBtnText = clSystemColor | 0x12;
constexpr TColor clInactiveCaptionText = clSystemColor | 0x13;
constexpr TColor cl3DDkShadow = clSystemColor | 0x15;
constexpr TColor clInfoText = clSystemColor | 0x17;
constexpr TColor clInfoBk = clSystemColor | 0x18;

// The toolkit's extra named colours.
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// Builds a plain colour from its components.
constexpr TColor RGBColor(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(TColor colour) {
    return colour & 0xFF;
}
constexpr int GreenOf(TColor colour) {
    return (colour >> 8) & 0xFF;
}
constexpr int BlueOf(TColor colour) {
    return (colour >> 16) & 0xFF;
}

// True for $FF0000nn, a system colour looked up when used.
constexpr bool IsSystemColor(TColor colour) {
    return colour < 0;
}

// The current RGB value of system colour number `index` (the application palette when a
// QGuiApplication exists, otherwise the classic desktop defaults).
TColor SystemColorRGB(int index);

// Plain RGB: a system colour becomes its current value; every other value passes unchanged
// (clNone and clDefault included: their owners resolve them).
TColor ColorToRGB(TColor colour);

// The Qt colour that drawing uses. The special values have no colour of their own; like the
// platform device, only their low three bytes count.
QColor ToQColor(TColor colour);
TColor FromQColor(const QColor& colour);

// Colour names of the form description ("clWhite", "clBtnFace", "clNone", ...; case ignored),
// or a number ("$00FF00", "255"). Empty when the text names no colour.
std::optional<TColor> ColorFromName(std::string_view name);
// The name of a named colour, otherwise "$00BBGGRR" in hexadecimal.
std::string ColorToName(TColor colour);
