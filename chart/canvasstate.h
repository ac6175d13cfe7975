// The surface's realised Qt state, kept across paints so that a steady-state paint allocates
// nothing: the Qt pens and brushes made so far, hatch bitmaps and coloured hatch tiles, the
// realised fonts with their laid-out texts, the text pen and the background brush. Private to
// the surface's own files.
#pragma once

#include <QBitmap>
#include <QBrush>
#include <QPen>
#include <array>
#include <utility>

#include "chart/canvas.h"
#include "chart/textcache.h"

// What makes a realised Qt pen different from another.
struct TRealisedPenKey {
    TColor color = clNone;
    int width = -1;
    TPenStyle style = psSolid;
    bool visible = false;
    TPenMode mode = pmCopy;
    bool smallDots = false;
    bool operator==(const TRealisedPenKey&) const = default;
};

// What makes a realised Qt brush (other than a picture brush) different from another.
struct TRealisedBrushKey {
    TColor color = clNone;
    TBrushStyle style = bsClear;
    bool operator==(const TRealisedBrushKey&) const = default;
};

struct TChartCanvas::TRealisedState {
    QPen pen;
    QBrush brush;
    TFontCache fonts;
    TRealisedFont* font = nullptr;
    QPen textPen;
    TColor textPenColor = clNone;
    QBrush backBrush;
    // The colours of spans at a device pixel ratio other than 1, where Qt would make a brush per fill.
    std::array<QBrush, 8> spanBrushes;
    size_t spanBrushNext = 0;
    std::array<QBitmap, 6> hatches;
    std::array<std::pair<TColor, QBrush>, 6> hatchTiles;
    // The pen a one-pixel line is stroked with at a ratio other than 1, and what it was made for.
    struct TDeviceWidthPen {
        QPen source;
        qreal ratio = 0.0;
        double skipped = 0.0;
        QPen pen;
    };
    TDeviceWidthPen deviceWidthPen;
    std::array<std::pair<TRealisedPenKey, QPen>, 32> penCache;
    size_t penCacheNext = 0;
    std::array<std::pair<TRealisedBrushKey, QBrush>, 8> brushCache;
    size_t brushCacheNext = 0;
};
