#include "chart/colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace {

struct SystemColorEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    TColor classic;  // the classic desktop value, used when no application exists
};

// System colour numbers 0..30 and the palette entries that play their part.
constexpr std::array<SystemColorEntry, 31> kSystemColors{{
    {QPalette::Active, QPalette::Button, 0xC8C8C8},           // scroll bar
    {QPalette::Active, QPalette::Window, 0x808000},           // desktop
    {QPalette::Active, QPalette::Highlight, 0x6A240A},        // active caption
    {QPalette::Inactive, QPalette::Mid, 0x808080},            // inactive caption
    {QPalette::Active, QPalette::Window, 0xC8D0D4},           // menu
    {QPalette::Active, QPalette::Base, 0xFFFFFF},             // window
    {QPalette::Active, QPalette::Shadow, 0x000000},           // window frame
    {QPalette::Active, QPalette::WindowText, 0x000000},       // menu text
    {QPalette::Active, QPalette::Text, 0x000000},             // window text
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},  // caption text
    {QPalette::Active, QPalette::Button, 0xC8D0D4},           // active border
    {QPalette::Active, QPalette::Button, 0xC8D0D4},           // inactive border
    {QPalette::Active, QPalette::Mid, 0x808080},              // application workspace
    {QPalette::Active, QPalette::Highlight, 0x6A240A},        // highlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},  // highlight text
    {QPalette::Active, QPalette::Button, 0xC8D0D4},           // button face
    {QPalette::Active, QPalette::Dark, 0x808080},             // button shadow
    {QPalette::Disabled, QPalette::Text, 0x808080},           // grey text
    {QPalette::Active, QPalette::ButtonText, 0x000000},       // button text
    {QPalette::Inactive, QPalette::Text, 0xC8D0D4},           // inactive caption text
    {QPalette::Active, QPalette::Light, 0xFFFFFF},            // button highlight
    {QPalette::Active, QPalette::Shadow, 0x404040},           // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight, 0xC8D0D4},         // 3-D light
    {QPalette::Active, QPalette::ToolTipText, 0x000000},      // info text
    {QPalette::Active, QPalette::ToolTipBase, 0xE1FFFF},      // info background
    {QPalette::Active, QPalette::Button, 0xB5B5B5},           // (unused number 25)
    {QPalette::Active, QPalette::Link, 0x800000},             // hot light
    {QPalette::Active, QPalette::Highlight, 0xF0CAA6},        // gradient active caption
    {QPalette::Inactive, QPalette::Mid, 0xC0C0C0},            // gradient inactive caption
    {QPalette::Active, QPalette::Highlight, 0x6A240A},        // menu highlight
    {QPalette::Active, QPalette::Window, 0xC8D0D4},           // menu bar
}};

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr std::array<NamedColor, 53> kNamedColors{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clLtGray", clSilver},
    {"clDkGray", clGray},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clSystemColor | 0x1A},
    {"clGradientActiveCaption", clSystemColor | 0x1B},
    {"clGradientInactiveCaption", clSystemColor | 0x1C},
    {"clMenuHighlight", clSystemColor | 0x1D},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<TColor> ParseNumber(std::string_view text) {
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (negative) value = 0u - value;
    return static_cast<TColor>(value);
}

}  // namespace

TColor SystemColorRGB(int index) {
    if (index < 0 || index >= static_cast<int>(kSystemColors.size())) return clBlack;
    const SystemColorEntry& entry = kSystemColors[static_cast<size_t>(index)];
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return entry.classic;
    const QPalette palette = QGuiApplication::palette();
    QColor colour = palette.color(entry.group, entry.role);
    if (entry.role == QPalette::Midlight) {
        // Qt's midlight is far darker than a desktop's 3-D light, which is a faint tint of the
        // button face; halfway between the two reads as that tint and not as a disabled field.
        const QColor face = palette.color(entry.group, QPalette::Button);
        colour = QColor((face.red() + colour.red()) / 2, (face.green() + colour.green()) / 2,
                        (face.blue() + colour.blue()) / 2);
    }
    return FromQColor(colour);
}

TColor ColorToRGB(TColor colour) {
    return IsSystemColor(colour) ? SystemColorRGB(colour & 0xFF) : colour;
}

QColor ToQColor(TColor colour) {
    TColor rgb = ColorToRGB(colour);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor FromQColor(const QColor& colour) {
    return RGBColor(colour.red(), colour.green(), colour.blue());
}

std::optional<TColor> ColorFromName(std::string_view name) {
    for (const NamedColor& entry : kNamedColors) {
        if (SameIgnoringCase(name, entry.name)) return entry.value;
    }
    return ParseNumber(name);
}

std::string ColorToName(TColor colour) {
    for (const NamedColor& entry : kNamedColors) {
        if (entry.value == colour) return entry.name;
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(colour));
    return text;
}
