#include "chart/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <array>
#include <charconv>
#include <cstdlib>
#include <map>

#include "chart/errors.h"

namespace {

// a x b / c rounded half away from zero; 0 when c is 0.
int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    long long product = static_cast<long long>(a) * b;
    long long half = std::llabs(static_cast<long long>(c)) / 2;
    long long result = (product >= 0) == (c > 0) ? (std::llabs(product) + half) / std::llabs(c)
                                                 : -((std::llabs(product) + half) / std::llabs(c));
    return static_cast<int>(result);
}

template <typename T>
bool Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

struct FontSubstitute {
    const char* windowsName;
    std::array<const char*, 3> candidates;
};

// The Windows Japanese fonts and the installed families that share their design and metrics.
const std::array<FontSubstitute, 9> kSubstitutes{{
    {"ＭＳ Ｐ明朝", {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"}},
    {"ＭＳ 明朝", {"IPAMincho", "IPAPMincho", "Noto Serif CJK JP"}},
    {"ＭＳ ゴシック", {"IPAGothic", "IPAPGothic", "Noto Sans Mono CJK JP"}},
    {"ＭＳ Ｐゴシック", {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}},
    {"ＭＳ ＵＩ Gothic", {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}},
    {"MS PMincho", {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"}},
    {"MS Mincho", {"IPAMincho", "IPAPMincho", "Noto Serif CJK JP"}},
    {"MS Gothic", {"IPAGothic", "IPAPGothic", "Noto Sans Mono CJK JP"}},
    {"MS PGothic", {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}},
}};

QString FindFamily(const std::string& name) {
    QString requested = QString::fromStdString(name);
    for (const FontSubstitute& substitute : kSubstitutes) {
        if (name != substitute.windowsName) continue;
        for (const char* candidate : substitute.candidates) {
            if (QFontDatabase::hasFamily(QString::fromUtf8(candidate))) return QString::fromUtf8(candidate);
        }
        QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        return japanese.isEmpty() ? requested : japanese.front();
    }
    return requested;
}

bool JapaneseDesktop() {
    return QLocale::system().language() == QLocale::Japanese;
}

}  // namespace

QString ResolveFontFamily(const std::string& name) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return QString::fromStdString(name);
    // Looking families up is slow; every chart text asks for the same few names.
    static std::map<std::string, QString> cache;
    auto found = cache.find(name);
    if (found == cache.end()) found = cache.emplace(name, FindFamily(name)).first;
    return found->second;
}

void TFont::SetName(const std::string& value) {
    if (Store(name_, value)) Changed();
}

void TFont::SetHeight(int value) {
    if (Store(height_, value)) Changed();
}

int TFont::Size() const {
    return -MulDiv(height_, 72, pixelsPerInch_);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, pixelsPerInch_, 72));
}

void TFont::SetColor(TColor value) {
    if (Store(color_, value)) Changed();
}

void TFont::SetStyle(TFontStyles value) {
    if (Store(style_, value)) Changed();
}

void TFont::SetCharset(int value) {
    if (Store(charset_, value)) Changed();
}

void TFont::SetPitch(TFontPitch value) {
    if (Store(pitch_, value)) Changed();
}

void TFont::SetPixelsPerInch(int value) {
    if (value > 0 && Store(pixelsPerInch_, value)) Changed();
}

void TFont::Assign(const TFont& source) {
    if (&source == this) return;
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    charset_ = source.charset_;
    pitch_ = source.pitch_;
    pixelsPerInch_ = source.pixelsPerInch_;
    Changed();
}

QFont TFont::ToQFont() const {
    QFont font(ResolveFontFamily(name_));
    // A height of 0 asks for the device's default size.
    int pixels = height_ == 0 ? MulDiv(DefaultFontSize(), pixelsPerInch_, 72) : std::abs(height_);
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setBold((style_ & fsBold) != 0);
    font.setItalic((style_ & fsItalic) != 0);
    font.setUnderline((style_ & fsUnderline) != 0);
    font.setStrikeOut((style_ & fsStrikeOut) != 0);
    font.setFixedPitch(pitch_ == fpFixed);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

std::string DefaultFontName() {
    std::string name = ChartStrings::DefaultFontName;
    if (name == "Arial" && JapaneseDesktop() && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QGuiApplication::font().family().toStdString();
    return name;
}

int DefaultFontSize() {
    std::string text = ChartStrings::DefaultFontSize;
    int size = 0;
    std::from_chars(text.data(), text.data() + text.size(), size);
    if (size == 8 && JapaneseDesktop() && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFont font = QGuiApplication::font();
        if (font.pointSize() > 0) return font.pointSize();
    }
    return size;
}

TFont NewDefaultFont(std::function<void()> onChange) {
    TFont font;
    font.SetName(DefaultFontName());
    font.SetSize(DefaultFontSize());
    font.SetColor(clBlack);
    font.SetStyle(0);
    font.SetCharset(SHIFTJIS_CHARSET);
    font.OnChange = std::move(onChange);
    return font;
}
