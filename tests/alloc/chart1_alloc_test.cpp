// A steady-state paint of the window's chart allocates nothing, at device pixel ratio 1 and 2: the
// surface keeps its buffer, its painter, its realised pens, brushes and fonts and its text stamps
// from paint to paint, and no fill is large enough for Qt to hand it to its thread pool.
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include "bench/peers/alloc_counter.h"
#include "chart/canvas.h"
#include "chart/chart.h"
#include "tests/app/formfixture.h"

namespace {

class Chart1Allocations : public FormTest {};

TEST_F(Chart1Allocations, SteadyStatePaintAllocatesNothing) {
    CopyShippedCatalogs();
    TForm1& form = Open();
    // A power band over a quarter of the range: its hatch is over a hundred device rows at ratio 2.
    form.E_MaxRPM->setText(QStringLiteral("12"));
    form.E_PBHigh->setText(QStringLiteral("10"));
    form.E_PBLow->setText(QStringLiteral("7"));
    TChart& chart = *form.Chart1;
    const TRect client = chart.PanelClientRect();
    for (const qreal ratio : {1.0, 2.0}) {
        QImage window(client.Width() * static_cast<int>(ratio), client.Height() * static_cast<int>(ratio),
                      QImage::Format_RGB32);
        window.setDevicePixelRatio(ratio);
        QPainter painter(&window);
        auto paint = [&] {
            chart.RequestRedraw();
            chart.Surface()->SetDevicePixelRatio(ratio);
            chart.Surface()->AttachTarget(&painter);
            chart.RenderTo(painter, client);
            chart.Surface()->AttachTarget(nullptr);
        };
        StartCountingAllocations();
        paint();
        EXPECT_GT(StopCountingAllocations(), 0U);  // the first paint makes the buffer: counting works
        // The labels band settles within a few paints; then every paint is alike.
        for (int i = 0; i < 4; ++i) paint();
        StartCountingAllocations();
        paint();
        EXPECT_EQ(StopCountingAllocations(), 0U) << "at ratio " << ratio;
    }
}

}  // namespace
