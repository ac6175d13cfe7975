// Mouse zoom, undo and panning on a chart with zoom on, driven by synthesised mouse events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/fastline.h"

namespace {

class ZoomChart : public ::testing::Test {
  protected:
    ZoomChart() {
        chart.resize(300, 240);
        chart.SetView3D(false);
        for (int i = 0; i <= 10; ++i) line.AddPointXY(i * 10.0, i * 10.0);
        line.SetParentChart(&chart);
        chart.RenderToImage();
        chart.OnZoom = [this](TCustomChartPanel*) { ++zooms; };
        chart.OnUndoZoom = [this](TCustomChartPanel*) { ++undos; };
    }
    ~ZoomChart() override { line.SetParentChart(nullptr); }
    void Send(QEvent::Type type, Qt::MouseButton button, int x, int y) {
        const QPointF p(x, y);
        QMouseEvent event(type, p, chart.mapToGlobal(p), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    }
    void Drag(Qt::MouseButton button, int x0, int y0, int x1, int y1) {
        Send(QEvent::MouseButtonPress, button, x0, y0);
        Send(QEvent::MouseMove, button, x1, y1);
        Send(QEvent::MouseButtonRelease, button, x1, y1);
    }
    TChart chart;
    TFastLineSeries line;
    int zooms = 0;
    int undos = 0;
};

TEST_F(ZoomChart, DragRightDownZoomsToTheRectangle) {
    TCustomChartAxis* h = chart.BottomAxis();
    TCustomChartAxis* v = chart.LeftAxis();
    const int x0 = h->PixelOf(20), x1 = h->PixelOf(60);
    const int y0 = v->PixelOf(80), y1 = v->PixelOf(30);
    Drag(Qt::LeftButton, x0, y0, x1, y1);
    EXPECT_EQ(zooms, 1);
    EXPECT_TRUE(chart.ZoomApplied());
    EXPECT_NEAR(h->Minimum(), 20, 1.0);
    EXPECT_NEAR(h->Maximum(), 60, 1.0);
    EXPECT_NEAR(v->Minimum(), 30, 1.0);
    EXPECT_NEAR(v->Maximum(), 80, 1.0);
    EXPECT_FALSE(chart.ZoomDrag().Active);
}

TEST_F(ZoomChart, DragTheOtherWayUndoesTheZoom) {
    const bool automatic = chart.BottomAxis()->Automatic();
    Drag(Qt::LeftButton, 60, 40, 200, 180);
    ASSERT_TRUE(chart.ZoomApplied());
    Drag(Qt::LeftButton, 200, 180, 60, 40);
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(chart.ZoomApplied());
    EXPECT_EQ(chart.BottomAxis()->Automatic(), automatic);
}

TEST_F(ZoomChart, ShortDragsDoNotZoom) {
    Drag(Qt::LeftButton, 60, 40, 76, 140);  // only 16 pixels across
    EXPECT_EQ(zooms, 0);
    EXPECT_FALSE(chart.ZoomApplied());
}

TEST_F(ZoomChart, AnimatedZoomEndsOnTheTargetAndFiresOnce) {
    chart.SetAnimatedZoom(true);
    chart.SetAnimatedZoomSteps(12);
    chart.ZoomRect({chart.BottomAxis()->PixelOf(10), chart.LeftAxis()->PixelOf(90),
                    chart.BottomAxis()->PixelOf(50), chart.LeftAxis()->PixelOf(40)});
    EXPECT_EQ(zooms, 1);
    EXPECT_NEAR(chart.BottomAxis()->Minimum(), 10, 1.0);
    EXPECT_NEAR(chart.BottomAxis()->Maximum(), 50, 1.0);
}

TEST_F(ZoomChart, ZoomOffIgnoresDrags) {
    chart.SetAllowZoom(false);
    Drag(Qt::LeftButton, 60, 40, 200, 180);
    EXPECT_EQ(zooms, 0);
}

TEST_F(ZoomChart, RightDragPansAndFiresOnScroll) {
    int scrolls = 0;
    chart.OnScroll = [&](TCustomChartPanel*) { ++scrolls; };
    TCustomChartAxis* h = chart.BottomAxis();
    const double before = h->RangeMin();
    const TRect r = chart.PlotRect();
    Drag(Qt::RightButton, r.Left + 100, r.Top + 50, r.Left + 60, r.Top + 50);
    EXPECT_EQ(scrolls, 1);
    EXPECT_GT(h->Minimum(), before);  // dragging left shows larger values
    EXPECT_FALSE(chart.PanDrag().Active);
}

// Counts the repaints asked for: the work one event does.
class TRedrawCountingChart : public TChart {
  public:
    void RequestRedraw() override {
        ++Requests;
        TChart::RequestRedraw();
    }
    long long Requests = 0;
};

TEST(ChartWheel, OneHugeTurnMovesByAllItsNotchesAtOnce) {
    // A hostile or broken device: 17895696 notches in one event, each 3 % of the 10000 span.
    TRedrawCountingChart chart;
    chart.LeftAxis()->SetRange(0, 10000);
    chart.Requests = 0;
    const QPointF middle(50, 50);
    QWheelEvent wheel(middle, middle, QPoint(), QPoint(0, 2'147'483'520), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
    EXPECT_EQ(chart.LeftAxis()->Minimum(), -5'368'708'800.0);
    EXPECT_EQ(chart.LeftAxis()->Maximum(), -5'368'698'800.0);
    EXPECT_LE(chart.Requests, 2);  // once per vertical axis, not once per notch
}

}  // namespace
