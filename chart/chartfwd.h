// Types shared across the chart engine: colours, the small enumerations and forward declarations.
#pragma once

#include <cstdint>

// A colour: red in the lowest byte, then green, then blue. Negative values $FF0000nn name system
// colours resolved when used; clNone and clDefault are the two special values.
using TColor = std::int32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours (looked up through the application palette when used).
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clBtnFace = clSystemColor | 0x0F;
constexpr TColor clBtnShadow = clSystemColor | 0x10;
constexpr TColor clWindowText = clSystemColor | 0x08;
constexpr TColor clBtnHighlight = clSystemColor | 0x14;
constexpr TColor cl3DLight = clSystemColor | 0x16;
constexpr TColor clWindow = clSystemColor | 0x05;

enum TChartListOrder : std::uint8_t { loNone, loAscending, loDescending };
enum THorizAxis : std::uint8_t { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis : std::uint8_t { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

class TChartValueList;
class TChartValueLists;
class TChartSeries;
class TChartSeriesList;
class TCustomChartAxis;
class TChartAxis;
class TChartDepthAxis;
class TChartAxisTitle;
class TChartCanvas;
class TCanvas3D;
class TChartCanvas3D;
class TChartPen;
class TChartBrush;
class TCustomChartPanel;
class TCustomChartPanelExtended;
class TCustomAxisPanel;
class TCustomChart;
class TChart;
class TFastLineSeries;
class TChartShape;

// A rectangle as the drawing surface uses it: Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};
