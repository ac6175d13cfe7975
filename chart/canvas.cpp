// The surface's pen, brush and font and how they become the painter's state.
#include "chart/canvas.h"

#include "chart/canvasstate.h"
#include "chart/colors.h"
#include "chart/errors.h"

namespace {

// The six hatches, 8 x 8, one byte per row, bit 0x80 the leftmost pixel.
constexpr std::array<std::array<unsigned char, 8>, 6> kHatchRows{{
    {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00},  // bsHorizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // bsVertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // bsFDiagonal: upper left to lower right
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // bsBDiagonal: lower left to upper right
    {0x08, 0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08},  // bsCross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // bsDiagCross
}};

QBitmap MakeHatch(int index) {
    QImage image(8, 8, QImage::Format_Mono);
    for (int y = 0; y < 8; ++y)
        *image.scanLine(y) = kHatchRows[static_cast<size_t>(index)][static_cast<size_t>(y)];
    image.setColorCount(2);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    return QBitmap::fromImage(image);
}

// Dash lengths of the styled one-pixel pens, in pixels.
QList<qreal> DashesOf(TPenStyle style) {
    switch (style) {
        case psDash:
            return {18, 6};
        case psDot:
            return {3, 3};
        case psDashDot:
            return {9, 6, 3, 6};
        case psDashDotDot:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

Qt::PenStyle WideStyleOf(TPenStyle style) {
    switch (style) {
        case psDash:
            return Qt::DashLine;
        case psDot:
            return Qt::DotLine;
        case psDashDot:
            return Qt::DashDotLine;
        case psDashDotDot:
            return Qt::DashDotDotLine;
        default:
            return Qt::SolidLine;
    }
}

}  // namespace

TChartCanvas::TChartCanvas() : realised_(std::make_unique<TRealisedState>()) {
    pen_.OnChange = [this] {
        penDirty_ = true;
        // A pen property set after UsePen replaces the alternate-pixel pen, as a new pen would.
        if (!loadingPen_) smallDotsActive_ = false;
    };
    brush_.OnChange = [this] { brushDirty_ = true; };
    font_.OnChange = [this] { fontDirty_ = true; };
}

TChartCanvas::~TChartCanvas() = default;

int TChartCanvas::MeasureWidth(const std::string& text) {
    return LaidOut(text).Width;
}

int TChartCanvas::MeasureHeight(const std::string&) {
    return Metrics().height();
}

void TChartCanvas::AttachTarget(QPainter* painter) {
    target_ = painter;
    penState_ = Applied::Unknown;
    brushState_ = Applied::Unknown;
    fontApplied_ = false;
    if (painter == nullptr) return;
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::TextAntialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    SyncBackground();
}

void TChartCanvas::UsePen(const TChartPen& chartPen) {
    if (!chartPen.Visible()) {
        pen_.SetStyle(psClear);
        return;
    }
    loadingPen_ = true;
    bool dots = chartPen.SmallDots() && chartPen.Width() == 1;
    pen_.SetVisible(true);
    pen_.SetColor(chartPen.Color());
    pen_.SetMode(chartPen.Mode());
    pen_.SetStyle(dots ? psSolid : chartPen.Style());
    pen_.SetWidth(chartPen.Width());
    loadingPen_ = false;
    if (smallDotsActive_ != dots) penDirty_ = true;
    smallDotsActive_ = dots;
}

void TChartCanvas::RestoreDefaults() {
    pen_.SetColor(clBlack);
    pen_.SetWidth(1);
    pen_.SetStyle(psSolid);
    if (smallDotsActive_) penDirty_ = true;
    smallDotsActive_ = false;
    brush_.SetColor(clWhite);
    brush_.SetStyle(bsSolid);
    font_.SetColor(clBlack);
    font_.SetSize(10);
    ApplyBackColor(clWhite);
    ApplyBackMode(bmTransparent);
}

void TChartCanvas::ValidateAngle(int value, const std::string& description) {
    if (value < 0 || value > 359) throw ChartException(FormatMessage(ChartStrings::AngleRange, description));
}

bool TChartCanvas::PenDraws() const {
    return pen_.Visible() && pen_.Style() != psClear && pen_.Mode() != pmNop;
}

bool TChartCanvas::BrushFills() const {
    return (brush_.HasBitmap() || brush_.Style() != bsClear) && pen_.Mode() != pmNop;
}

QPen TChartCanvas::RealisePen() const {
    if (!PenDraws()) return QPen(Qt::NoPen);
    QColor colour = ToQColor(pen_.Color());
    if (pen_.Width() <= 1) {
        // A cosmetic pen with flat caps: exactly one pixel wide, the end pixel left out.
        QPen pen(colour, 0);
        pen.setCapStyle(Qt::FlatCap);
        if (smallDotsActive_) {
            pen.setDashPattern({1, 1});
        } else if (QList<qreal> dashes = DashesOf(pen_.Style()); !dashes.isEmpty()) {
            pen.setDashPattern(dashes);
        }
        return pen;
    }
    return QPen(colour, pen_.Width(), WideStyleOf(pen_.Style()), Qt::RoundCap, Qt::RoundJoin);
}

// A chart paint switches among a few pens over and over; reusing their Qt pens keeps a repaint
// from allocating.
QPen TChartCanvas::CachedPen() {
    TRealisedPenKey key{ColorToRGB(pen_.Color()), pen_.Width(), pen_.Style(),
                        pen_.Visible(),           pen_.Mode(),  smallDotsActive_};
    for (const auto& [cachedKey, pen] : realised_->penCache) {
        if (cachedKey == key) return pen;
    }
    QPen pen = RealisePen();
    realised_->penCache[realised_->penCacheNext] = {key, pen};
    realised_->penCacheNext = (realised_->penCacheNext + 1) % realised_->penCache.size();
    return pen;
}

// Like pens, the few brushes of a paint are realised once and reused.
QBrush TChartCanvas::CachedBrush() {
    if (brush_.HasBitmap()) return QBrush(brush_.Bitmap());
    const TRealisedBrushKey key{ColorToRGB(brush_.Color()), brush_.Style()};
    for (const auto& [cachedKey, brush] : realised_->brushCache) {
        if (cachedKey == key && brush.style() != Qt::NoBrush) return brush;
    }
    QBrush brush = RealiseBrush();
    realised_->brushCache[realised_->brushCacheNext] = {key, brush};
    realised_->brushCacheNext = (realised_->brushCacheNext + 1) % realised_->brushCache.size();
    return brush;
}

const QBrush& TChartCanvas::BackBrush() {
    const QColor colour = ToQColor(backColor_);
    if (realised_->backBrush.style() != Qt::SolidPattern || realised_->backBrush.color() != colour)
        realised_->backBrush = QBrush(colour);
    return realised_->backBrush;
}

QBrush TChartCanvas::RealiseBrush() {
    if (brush_.HasBitmap()) return QBrush(brush_.Bitmap());
    QColor colour = ToQColor(brush_.Color());
    if (brush_.Style() == bsSolid) return QBrush(colour);
    if (brush_.Style() == bsClear) return QBrush();
    auto index = static_cast<size_t>(brush_.Style() - bsHorizontal);
    if (realised_->hatches[index].isNull()) realised_->hatches[index] = MakeHatch(static_cast<int>(index));
    return QBrush(colour, realised_->hatches[index]);
}

const std::array<unsigned char, 8>* TChartCanvas::HatchRows() const {
    if (!fastPaths_ || brush_.HasBitmap() || brush_.Style() < bsHorizontal || brush_.Style() > bsDiagCross)
        return nullptr;
    return &kHatchRows[static_cast<size_t>(brush_.Style() - bsHorizontal)];
}

// Qt colours a hatch bitmap afresh on every fill; with transparent gaps the coloured tile is the
// same every time, so it is made once per hatch and colour.
const QBrush* TChartCanvas::HatchTile(int scale) {
    const std::array<unsigned char, 8>* rows = HatchRows();
    if (rows == nullptr) return nullptr;
    const auto index = static_cast<size_t>(brush_.Style() - bsHorizontal);
    const TColor colour = ColorToRGB(brush_.Color());
    auto& [tileColour, tile] = realised_->hatchTiles[index];
    if (tile.style() != Qt::TexturePattern || tileColour != colour ||
        tile.textureImage().width() != 8 * scale) {
        QImage image(8 * scale, 8 * scale, QImage::Format_ARGB32_Premultiplied);
        const QRgb ink = ToQColor(colour).rgba();
        for (int y = 0; y < image.height(); ++y) {
            const unsigned char bits = (*rows)[static_cast<size_t>(y / scale)];
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (bits & (0x80 >> (x / scale))) != 0 ? ink : 0);
        }
        tile = QBrush(image);
        tileColour = colour;
    }
    return &tile;
}

void TChartCanvas::SyncPen(QPainter& painter) {
    if (penDirty_) {
        realised_->pen = CachedPen();
        penDirty_ = false;
        penState_ = Applied::Unknown;
    }
    if (penState_ != Applied::Chart) {
        painter.setPen(realised_->pen);
        penState_ = Applied::Chart;
    }
}

void TChartCanvas::SyncBrush(QPainter& painter, bool fill) {
    if (brushDirty_) {
        realised_->brush = CachedBrush();
        brushDirty_ = false;
        if (brushState_ == Applied::Chart) brushState_ = Applied::Unknown;
    }
    Applied wanted = fill && BrushFills() ? Applied::Chart : Applied::None;
    if (brushState_ == wanted) return;
    painter.setBrush(wanted == Applied::Chart ? realised_->brush : QBrush());
    brushState_ = wanted;
}

// A font property set and set back (the defaults between two texts) realises nothing anew.
TRealisedFont& TChartCanvas::RealisedFont() {
    TRealisedFont*& current = realised_->font;
    if (fontDirty_ || current == nullptr) {
        TRealisedFont* realised = &realised_->fonts.Realise(font_);
        if (realised != current) fontApplied_ = false;
        current = realised;
        fontDirty_ = false;
    }
    return *current;
}

TLaidOutText& TChartCanvas::LaidOut(const std::string& text) {
    return RealisedFont().Text(text);
}

const QFontMetrics& TChartCanvas::Metrics() {
    return RealisedFont().Metrics();
}

void TChartCanvas::SyncFont(QPainter& painter) {
    const QFont& font = RealisedFont().Font();
    if (fontApplied_) return;
    painter.setFont(font);
    fontApplied_ = true;
}

void TChartCanvas::SyncRotatedFont(QPainter& painter) {
    painter.setFont(RealisedFont().RotatedFont());
    fontApplied_ = false;
}

void TChartCanvas::SyncTextPen(QPainter& painter) {
    TColor colour = ColorToRGB(font_.Color());
    if (colour != realised_->textPenColor) {
        realised_->textPen = QPen(ToQColor(colour));
        realised_->textPenColor = colour;
        if (penState_ == Applied::Text) penState_ = Applied::Unknown;
    }
    if (penState_ == Applied::Text) return;
    painter.setPen(realised_->textPen);
    penState_ = Applied::Text;
}

void TChartCanvas::SyncBackground() {
    const QBrush& brush = BackBrush();
    if (target_ == nullptr) return;
    target_->setBackground(brush);
    target_->setBackgroundMode(backMode_ == bmOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

void TCanvas3D::CopySettings(TCanvas3D& other) {
    Pen()->Assign(*other.Pen());
    Brush()->Assign(*other.Brush());
    Font()->Assign(*other.Font());
    ApplyBackColor(other.QueryBackColor());
    ApplyBackMode(other.QueryBackMode());
    ApplyTextAlign(other.QueryTextAlign());
}
