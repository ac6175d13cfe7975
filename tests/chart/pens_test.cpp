// Chart pens, presets and brushes: defaults, change callbacks, assignment.
#include "chart/pens.h"

#include <gtest/gtest.h>

#include "chart/view3d.h"

namespace {

TEST(ChartPen, DefaultsAndPresets) {
    TChartPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Mode(), pmCopy);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_TRUE(pen.Visible());
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_FALSE(TChartHiddenPen().Visible());
    TDottedGrayPen dotted;
    EXPECT_EQ(dotted.Color(), clGray);
    EXPECT_EQ(dotted.Style(), psDot);
    EXPECT_EQ(TDarkGrayPen().Color(), clGray);
    EXPECT_EQ(TChartAxisPen().Width(), 2);
    EXPECT_EQ(TChartArrowPen().Color(), clWhite);
}

TEST(ChartPen, PresetsDoNotNotifyOnCreation) {
    int calls = 0;
    TDottedGrayPen pen([&] { ++calls; });
    EXPECT_EQ(calls, 0);
    pen.SetStyle(psSolid);
    EXPECT_EQ(calls, 1);
}

TEST(ChartPen, SettersNotifyOnlyOnChange) {
    int calls = 0;
    TChartPen pen([&] { ++calls; });
    pen.SetVisible(true);
    pen.SetSmallDots(false);
    pen.SetColor(clBlack);
    pen.SetWidth(1);
    EXPECT_EQ(calls, 0);
    pen.SetVisible(false);
    pen.SetSmallDots(true);
    pen.SetColor(clRed);
    pen.SetMode(pmXor);
    pen.SetStyle(psDash);
    pen.SetWidth(2);
    EXPECT_EQ(calls, 6);
}

TEST(ChartPen, AssignCopiesVisibleAndSmallDotsFirst) {
    std::vector<std::string> order;
    TChartPen target;
    TChartPen source;
    source.SetVisible(false);
    source.SetSmallDots(true);
    source.SetColor(clRed);
    source.SetStyle(psDot);
    source.SetWidth(3);
    source.SetMode(pmXor);
    target.OnChange = [&] { order.push_back(target.Visible() ? "visible" : "hidden"); };
    target.Assign(source);
    EXPECT_FALSE(target.Visible());
    EXPECT_TRUE(target.SmallDots());
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.Style(), psDot);
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(target.Mode(), pmXor);
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), "hidden");  // Visible came before the toolkit properties
}

TEST(ChartPen, AssignFromAPlainPenKeepsTheChartProperties) {
    TChartPen target;
    target.SetVisible(false);
    TPen plain;
    plain.SetColor(clBlue);
    target.Assign(plain);
    EXPECT_FALSE(target.Visible());
    EXPECT_EQ(target.Color(), clBlue);
}

TEST(ChartBrush, DefaultColourIsClDefault) {
    TChartBrush brush;
    EXPECT_EQ(brush.Color(), clDefault);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_FALSE(brush.HasBitmap());
    EXPECT_EQ(TBrush().Color(), clWhite);
}

TEST(ChartBrush, BitmapCountsOnlyWhenNotEmpty) {
    int calls = 0;
    TChartBrush brush([&] { ++calls; });
    brush.SetBitmap(QImage());
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(brush.HasBitmap());
    brush.SetBitmap(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_TRUE(brush.HasBitmap());
    EXPECT_EQ(calls, 1);
    TChartBrush copy;
    copy.Assign(brush);
    EXPECT_TRUE(copy.HasBitmap());
    EXPECT_EQ(copy.Color(), clDefault);
}

TEST(View3DOptions, SettersNotifyAndOffsetsScroll) {
    TView3DOptions options;
    int changes = 0, zooms = 0;
    std::vector<bool> scrolls;
    options.OnChange = [&] { ++changes; };
    options.OnScrolled = [&](bool horizontal) { scrolls.push_back(horizontal); };
    options.OnZoomChanged = [&] {
        EXPECT_EQ(options.Zoom(), 100);  // called before the new value is stored
        ++zooms;
    };
    options.SetElevation(345);
    EXPECT_EQ(changes, 0);
    options.SetHorizOffset(5);
    options.SetVertOffset(-5);
    options.SetZoom(150);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(scrolls, (std::vector<bool>{true, false}));
    EXPECT_EQ(zooms, 1);
    EXPECT_EQ(options.Zoom(), 150);
}

}  // namespace
