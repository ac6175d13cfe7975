// Golden images: the gear chart of the real window and a plain chart with every hatch, pen style and
// text angle, rendered and compared pixel byte for pixel byte with images committed beforehand. Any
// change of the engine that moves one pixel shows here.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <string>

#include "app/Unit1.h"
#include "app/messagebox.h"
#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/chartparts.h"
#include "chart/colors.h"
#include "chart/component.h"
#include "chart/fastline.h"
#include "chart/shape.h"
#include "core/inputfields.h"
#include "tests/app/golden_support.h"

namespace {

const QString kGoldenDir = QStringLiteral(KESTRIGO_SOURCE_DIR "/tests/golden/");
const QString kCatalogDir = QStringLiteral(KESTRIGO_SOURCE_DIR "/catalogs/");

void ExpectGolden(const QImage& rendered, const char* name) {
    golden::ExpectGolden(rendered, kGoldenDir, name);
}

// The window over the shipped catalogs, its messages recorded.
class GoldenWindow : public ::testing::Test {
  protected:
    void Type(QLineEdit* field, const char* text) { field->setText(QString::fromUtf8(text)); }
    // Maximum 12 (thousand rpm), band 7 to 10, six gears on a fixed drive train.
    void WorkedExample() {
        Type(form.E_Ratio1, "3");
        Type(form.E_Ratio2drv, "15");
        Type(form.E_Ratio2drvn, "45");
        Type(form.E_Tire, "600");
        const char* gears[] = {"2.5", "1.8", "1.4", "1.15", "1", "0.9"};
        for (int g = 0; g < kgr::GearCount; ++g) Type(GearField(g), gears[g]);
        Type(form.E_MaxRPM, "12");
        Type(form.E_PBHigh, "10");
        Type(form.E_PBLow, "7");
    }
    QLineEdit* GearField(int index) const {
        return form.findChild<QLineEdit*>(kgr::InputFields[kgr::ifRatioT1 + index].Control);
    }
    QImage Chart() const { return form.Chart1->RenderToImage(); }

    TMessageRecorder messages;
    TForm1 form{&messages, kCatalogDir};
};

TEST_F(GoldenWindow, StartUpState) {
    ExpectGolden(Chart(), "startup");
}

TEST_F(GoldenWindow, WorkedExampleAndItsBadInputs) {
    WorkedExample();
    ExpectGolden(Chart(), "worked");
    Type(form.E_Tire, "6OO");  // a failed input keeps the band and empties the lines
    ExpectGolden(Chart(), "failed");
    Type(form.E_Tire, "600");
    Type(GearField(0), "-2.5");
    ExpectGolden(Chart(), "negative");
}

// At 150 % and 200 %: the same layout, every stroke and glyph drawn at the device resolution.
TEST_F(GoldenWindow, WorkedExampleAtHigherRatios) {
    WorkedExample();
    ExpectGolden(form.Chart1->RenderToImage(1.5), "worked_ratio150");
    ExpectGolden(form.Chart1->RenderToImage(2), "worked_ratio200");
}

TEST_F(GoldenWindow, HugeMaximumAndNoGears) {
    WorkedExample();
    Type(form.E_MaxRPM, "2000000");
    ExpectGolden(Chart(), "max2000000");
    Type(form.E_MaxRPM, "12");
    for (int g = 0; g < 6; ++g) Type(GearField(g), "0");
    ExpectGolden(Chart(), "nogears");
}

TEST_F(GoldenWindow, OtherChartSizes) {
    WorkedExample();
    form.Chart1->resize(300, 180);
    ExpectGolden(Chart(), "small");
    form.Chart1->resize(820, 520);
    ExpectGolden(Chart(), "large");
}

// A chart with axes, titles and a shape and a line for every brush and pen style.
class StylesChart {
  public:
    explicit StylesChart(int angle) {
        chart.resize(420, 320);
        chart.SetView3D(false);
        chart.SetColor(clWhite);
        chart.Legend()->SetVisible(false);
        chart.BackWall()->Brush()->SetColor(clWhite);
        chart.Title()->SetText({"Styles"});
        chart.BottomAxis()->SetRange(0, 80);
        chart.LeftAxis()->SetRange(0, 70);
        chart.BottomAxis()->SetLabelsAngle(angle);
        chart.LeftAxis()->SetLabelsAngle(angle);
        chart.BottomAxis()->Title()->SetCaption("km/h");
        chart.LeftAxis()->Title()->SetCaption("RPM");
        chart.LeftAxis()->Grid()->SetStyle(psDot);
        for (int style = bsSolid; style <= bsDiagCross; ++style) AddShape(style);
        for (int style = psSolid; style <= psInsideFrame; ++style) AddLine(style);
    }
    TComponent owner;
    TChart chart;

  private:
    void AddShape(int style) {
        auto* shape = new TChartShape(&owner);
        shape->SetStyle(chasRectangle);
        shape->Brush()->SetStyle(static_cast<TBrushStyle>(style));
        shape->Brush()->SetColor(RGBColor(40 * style, 120, 200 - 20 * style));
        shape->Pen()->SetStyle(static_cast<TPenStyle>(style % 7));
        shape->SetX0(style * 10 + 1);
        shape->SetX1(style * 10 + 9);
        shape->SetY0(2);
        shape->SetY1(30);
        // Appended in place, not joined with operator+: GCC 12 -O3 warns falsely (-Wrestrict) on the latter.
        std::string text = "S";
        text += std::to_string(style);
        shape->SetText({text});
        shape->SetParentChart(&chart);
    }
    void AddLine(int style) {
        auto* line = new TFastLineSeries(&owner);
        line->LinePen()->SetStyle(static_cast<TPenStyle>(style));
        line->LinePen()->SetColor(RGBColor(200, 30 * style, 60));
        line->LinePen()->SetWidth(style == psSolid ? 3 : 1);
        for (int x = 0; x <= 80; x += 16) line->AddPointXY(x, 34 + 5 * style + (x % 32 == 0 ? 0 : 3 + style));
        line->SetParentChart(&chart);
    }
};

TEST(GoldenStyles, EveryHatchPenStyleAndTextAngle) {
    for (int angle : {0, 45, 90, 180, 270}) {
        StylesChart styles(angle);
        const std::string name = "styles" + std::to_string(angle);
        ExpectGolden(styles.chart.RenderToImage(), name.c_str());
    }
}

}  // namespace
