#include "chart/panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "chart/canvas.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/errors.h"
#include "chart/view3d.h"

namespace {

// a x b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    const long long product = static_cast<long long>(a) * b;
    const long long magnitude =
        (std::llabs(product) * 2 + std::llabs(c)) / (2 * std::llabs(static_cast<long long>(c)));
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

TRect Shrunk(const TRect& r, int n) {
    return {r.Left + n, r.Top + n, r.Right - n, r.Bottom - n};
}

}  // namespace

TCustomChartPanel::TCustomChartPanel(QWidget* parent)
    : QWidget(parent),
      surface_(std::make_unique<TChartCanvas3D>()),
      view3DOptions_(std::make_unique<TView3DOptions>()) {
    // The whole chart is drawn off screen and copied in one block: nothing may erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(400, 250);
    view3DOptions_->OnChange = [this] { RequestRedraw(); };
    surface_->OnRepaintRequest = [this] { RequestRedraw(); };
    repaintEnabled_ = true;
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::SetColor(TColor value) {
    Change(color_, value);
}
void TCustomChartPanel::SetBevelOuter(TBevelCut value) {
    Change(bevelOuter_, value);
}
void TCustomChartPanel::SetBevelInner(TBevelCut value) {
    Change(bevelInner_, value);
}
void TCustomChartPanel::SetBevelWidth(int value) {
    Change(bevelWidth_, value);
}
void TCustomChartPanel::SetBorderWidth(int value) {
    Change(borderWidth_, value);
}
void TCustomChartPanel::SetMarginLeft(int value) {
    Change(marginLeft_, value);
}
void TCustomChartPanel::SetMarginTop(int value) {
    Change(marginTop_, value);
}
void TCustomChartPanel::SetMarginRight(int value) {
    Change(marginRight_, value);
}
void TCustomChartPanel::SetMarginBottom(int value) {
    Change(marginBottom_, value);
}
void TCustomChartPanel::SetView3D(bool value) {
    Change(view3D_, value);
}

void TCustomChartPanel::SetBorderStyle(TBorderStyle value) {
    if (borderStyle_ == value) return;
    borderStyle_ = value;
    const int edge = value == bsSingle ? ClientEdgeWidth : 0;
    setContentsMargins(edge, edge, edge, edge);
    RequestRedraw();
}

void TCustomChartPanel::SetView3DOptions(const TView3DOptions& value) {
    view3DOptions_->Assign(value);
}

void TCustomChartPanel::SetChart3DPercent(int value) {
    if (value < 1 || value > 100) throw ChartException(FormatMessage(ChartStrings::Chart3DPercent, 1, 100));
    Change(chart3DPercent_, value);
}

bool TCustomChartPanel::Monochrome() const {
    return surface_->QueryMonochrome();
}
void TCustomChartPanel::SetMonochrome(bool value) {
    surface_->ApplyMonochrome(value);
}
bool TCustomChartPanel::Buffered() const {
    return surface_->QueryBuffered();
}
void TCustomChartPanel::SetBuffered(bool value) {
    surface_->ApplyBuffered(value);
}

void TCustomChartPanel::RequestRedraw() {
    if (!repaintEnabled_) return;
    surface_->MarkDirty();
    update();
}

TRect TCustomChartPanel::PanelClientRect() const {
    const QRect client = contentsRect();
    return {0, 0, client.width(), client.height()};
}

void TCustomChartPanel::paintEvent(QPaintEvent* /*event*/) {
    if (IsPrinting()) return;
    QPainter window(this);
    if (borderStyle_ == bsSingle) DrawClientEdge(window);
    window.translate(contentsRect().topLeft());
    // The buffer follows the screen's ratio; a buffer of another ratio is painted anew.
    surface_->SetDevicePixelRatio(devicePixelRatioF());
    surface_->AttachTarget(&window);
    if (surface_->RepaintFromBuffer())
        ++bufferCopyCount_;
    else
        RenderTo(window, PanelClientRect());
    surface_->AttachTarget(nullptr);
}

void TCustomChartPanel::RenderTo(QPainter& target, const TRect& rect) {
    QPainter* previous = surface_->Target();
    panelBounds_ = surface_->PrepareSurface(&target, view3DOptions_.get(), color_, view3D_, rect);
    const int w = panelBounds_.Width();
    const int h = panelBounds_.Height();
    plotRect_ = {panelBounds_.Left + borderWidth_ + MulDiv(marginLeft_, w, 100),
                 panelBounds_.Top + borderWidth_ + MulDiv(marginTop_, h, 100),
                 panelBounds_.Right - borderWidth_ - MulDiv(marginRight_, w, 100),
                 panelBounds_.Bottom - borderWidth_ - MulDiv(marginBottom_, h, 100)};
    RecomputePlotSize();
    PaintChart(panelBounds_);
    ++paintCount_;
    surface_->PresentImage(&target, previous ? previous : &target, rect);
}

const QImage& TCustomChartPanel::LastImage() const {
    static const QImage none;
    const QImage* buffer = surface_->Buffer();
    return buffer != nullptr && surface_->QueryBuffered() && paintCount_ > 0 ? *buffer : none;
}

QImage TCustomChartPanel::RenderToImage() {
    return RenderToImage(devicePixelRatioF());
}

QImage TCustomChartPanel::RenderToImage(qreal ratio) {
    const TRect client = PanelClientRect();
    QImage image(qRound(std::max(1, client.Width()) * ratio), qRound(std::max(1, client.Height()) * ratio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    surface_->SetDevicePixelRatio(ratio);
    {
        QPainter painter(&image);
        QPainter* previous = surface_->Target();
        surface_->AttachTarget(&painter);
        RenderTo(painter, client);
        surface_->AttachTarget(previous);
    }
    return image;
}

void TCustomChartPanel::DrawImmediately(const std::function<void()>& draw) {
    if (surface_->Target() != nullptr) {
        draw();  // inside a paint: the surface is attached already
        return;
    }
    if (!surface_->QueryBuffered() || surface_->Buffer() == nullptr || surface_->NeedsRedraw()) return;
    surface_->PrepareSurface(nullptr, view3DOptions_.get(), color_, view3D_, PanelClientRect());
    draw();
    surface_->AttachTarget(nullptr);
    update();  // shows the buffer as it now is; it stays clean
}

void TCustomChartPanel::RecomputePlotSize() {
    TRect& r = plotRect_;
    r.Left = std::max(r.Left, panelBounds_.Left);
    r.Top = std::max(r.Top, panelBounds_.Top);
    if (r.Right < r.Left)
        r.Right = r.Left + 1;
    else if (r.Right == r.Left)
        r.Right = r.Left + width();
    if (r.Bottom < r.Top)
        r.Bottom = r.Top + 1;
    else if (r.Bottom == r.Top)
        r.Bottom = r.Top + height();
    plotWidth_ = r.Right - r.Left;
    plotHeight_ = r.Bottom - r.Top;
    plotCenterX_ = (r.Left + r.Right) / 2;
    plotCenterY_ = (r.Top + r.Bottom) / 2;
}

void TCustomChartPanel::SetDepthBookkeeping(int highestSlot, int seriesDepth, int depth3D) {
    highestDepthSlot_ = highestSlot;
    seriesDepth_ = seriesDepth;
    depth3D_ = depth3D;
}

void TCustomChartPanel::DrawPanelBorder(const TRect& rect) {
    TChartPen* pen = surface_->Pen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    surface_->Brush()->SetStyle(bsClear);
    TRect r = rect;
    Draw3DFrame(r, bevelOuter_, bevelWidth_);
    DrawColorFrame(r, borderWidth_);
    Draw3DFrame(r, bevelInner_, bevelWidth_);
}

void TCustomChartPanel::Draw3DFrame(TRect& r, TBevelCut cut, int width) {
    if (cut == bvNone || width <= 0) return;
    const TColor top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor bottom = cut == bvRaised ? clBtnShadow : clBtnHighlight;
    surface_->DrawBevel(r, top, bottom, width);
    r = Shrunk(r, width);
}

void TCustomChartPanel::DrawColorFrame(TRect& r, int width) {
    if (width <= 0) return;
    surface_->DrawBevel(r, color_, color_, width);
    r = Shrunk(r, width);
}

void TCustomChartPanel::DrawClientEdge(QPainter& painter) {
    // The platform's sunken edge: a dark outer and darker inner line above and left, light below
    // and right. Each line is a row or column of logical pixels, so at any device pixel ratio it is
    // whole device pixels and the two lines meet the chart without a gap.
    const int w = width();
    const int h = height();
    const auto frame = [&](int inset, TColor topLeft, TColor bottomRight) {
        const QColor first = ToQColor(ColorToRGB(topLeft));
        painter.fillRect(QRect(inset, inset, w - 2 * inset, 1), first);
        painter.fillRect(QRect(inset, inset, 1, h - 2 * inset), first);
        const QColor second = ToQColor(ColorToRGB(bottomRight));
        painter.fillRect(QRect(inset, h - 1 - inset, w - 2 * inset, 1), second);
        painter.fillRect(QRect(w - 1 - inset, inset, 1, h - 2 * inset), second);
    };
    frame(0, clBtnShadow, clBtnHighlight);
    frame(1, cl3DDkShadow, cl3DLight);
}

void TCustomChartPanel::UseFont(const TFont& font) {
    TFont& target = *surface_->Font();
    // Loading the font the surface holds already changes nothing (and copies no name).
    if (font.Height() == target.Height() && font.Color() == target.Color() &&
        font.Style() == target.Style() && font.Charset() == target.Charset() &&
        font.Pitch() == target.Pitch() && font.Name() == target.Name())
        return;
    // Assigned in place (no copy of the font and its name), keeping the surface's resolution.
    const int pixelsPerInch = target.PixelsPerInch();
    target.Assign(font);
    target.SetPixelsPerInch(pixelsPerInch);
}

int TCustomChartPanel::TextBlockWidth(const std::string& text, int& lineCount) const {
    int widest = 0;
    lineCount = 0;
    size_t start = 0;
    while (start < text.size() || lineCount == 0) {
        const size_t end = std::min(text.find('\r', start), text.size());
        widest = std::max(widest, surface_->MeasureWidth(text.substr(start, end - start)));
        ++lineCount;
        start = end + 1;
        if (end >= text.size()) break;
    }
    return widest;
}

bool TCustomChartPanel::ClippingAllowed() const {
    return !surface_->IsDepthRenderer();
}

void TCustomChartPanel::leaveEvent(QEvent* event) {
    setCursor(restingCursor_);
    MouseLeft();
    QWidget::leaveEvent(event);
}

void TCustomChartPanel::resizeEvent(QResizeEvent* event) {
    RequestRedraw();
    QWidget::resizeEvent(event);
}

// ---- TCustomChartPanelExtended ----

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent)
    : TCustomChartPanel(parent), gradient_(std::make_unique<TChartGradient>(this)) {}

TCustomChartPanelExtended::~TCustomChartPanelExtended() = default;

void TCustomChartPanelExtended::SetGradient(const TChartGradient& value) {
    gradient_->Assign(value);
}

void TCustomChartPanelExtended::SetBackImage(const QImage& value) {
    backImage_ = value;
    SubObjectChanged();
}

void TCustomChartPanelExtended::FillPanel(const TRect& rect) {
    TChartCanvas3D& surface = *Surface();
    if (gradient_->Visible()) {
        surface.FillGradient(rect, gradient_->StartColor(), gradient_->EndColor(), gradient_->Direction());
        return;
    }
    surface.Brush()->SetColor(Color());
    surface.Brush()->SetStyle(bsSolid);
    surface.EraseRect(rect);
}

void TCustomChartPanelExtended::DrawBackImage(const TRect& /*rect*/) {}

void TCustomChartPanelExtended::PaintPanel(const TRect& rect) {
    FillPanel(rect);
    DrawBackImage(rect);
    if (!Surface()->IsDepthRenderer()) DrawPanelBorder(rect);
}

void TCustomChartPanelExtended::DrawPicture(const TRect& rect) {
    if (backImage_.isNull()) return;
    TChartCanvas3D& surface = *Surface();
    const int w = backImage_.width();
    const int h = backImage_.height();
    switch (backImageMode_) {
        case pbmStretch:
            surface.StretchGraphic(rect, &backImage_);
            break;
        case pbmTile:
            surface.ClipToRect(rect);
            for (int y = rect.Top; y < rect.Bottom; y += h)
                for (int x = rect.Left; x < rect.Right; x += w) surface.DrawGraphic(x, y, &backImage_);
            surface.RemoveClip();
            break;
        case pbmCenter:
            surface.Brush()->SetColor(Color());
            surface.Brush()->SetStyle(bsSolid);
            surface.EraseRect(rect);
            surface.DrawGraphic((rect.Left + rect.Right - w) / 2, (rect.Top + rect.Bottom - h) / 2,
                                &backImage_);
            break;
    }
}
