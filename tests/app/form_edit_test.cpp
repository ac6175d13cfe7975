// Editing and picking in the main window: the focus rule, one recalculation per changed text, the
// failed-input table, picks that keep their entry shown, the disabled group and the close button.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <functional>
#include <string>

#include "app/speedtablemodel.h"
#include "chart/chart.h"
#include "chart/series.h"
#include "chart/shape.h"
#include "core/gearing.h"
#include "core/seriesroles.h"
#include "tests/app/formfixture.h"
#include "tools/replay/useractions.h"

namespace {

class FormEditTest : public FormTest {
  protected:
    void SetUp() override {
        WriteTestCatalogs();
        Open().show();
        ActivateWindowOf(*form_);
    }

    TForm1& Form() { return *form_; }

    // The inputs that the test catalogs' defaults write into the fields.
    static kgr::TGearingInputs Defaults() {
        return {"10", "6", "8", "3", "15", "45", "599.8", {"2.5", "1.8", "1.4", "1.15", "1", "0"}};
    }

    static kgr::TGearingResult Computed(const kgr::TGearingInputs& inputs) {
        return kgr::ComputeGearing(inputs, '.');
    }

    static kgr::TGearingInputs WithGears(std::array<std::string, 6> gears) {
        kgr::TGearingInputs inputs = Defaults();
        inputs.RatioT = std::move(gears);
        return inputs;
    }

    void ExpectChartShows(const kgr::TGearingResult& expected) {
        for (int i = 0; i < kgr::ChartSeriesCount; ++i) {
            if (i == kgr::PowerBandIndex) continue;
            const TChartSeries& series = *form_->Chart1->SeriesAt(i);
            const auto& points = expected.Points[static_cast<size_t>(i)];
            ASSERT_EQ(series.PointCount(), static_cast<int>(points.size())) << "series " << i;
            for (int p = 0; p < series.PointCount(); ++p) {
                EXPECT_EQ(series.PointX(p), points[static_cast<size_t>(p)].x) << "series " << i;
                EXPECT_EQ(series.PointY(p), points[static_cast<size_t>(p)].y) << "series " << i;
            }
        }
    }
};

TEST_F(FormEditTest, StartsWithTheDefaultsOfTheCatalogs) {
    EXPECT_TRUE(messages_.Messages.empty());
    EXPECT_EQ(Form().E_Ratio1->text(), "3");
    EXPECT_EQ(Form().E_RatioT1->text(), "2.500");
    EXPECT_EQ(Form().E_RatioT6->text(), "0.000");
    EXPECT_EQ(Form().E_Tire->text(), "599.8");
    EXPECT_EQ(Form().GridModel().Cells(1, 9), "40.2");  // 8000 rpm in first gear
    ExpectChartShows(Computed(Defaults()));
}

TEST_F(FormEditTest, TypingIntoAGearFieldShowsUserAndRecalculatesAfterEveryKeystroke) {
    const int before = Form().Recalculations();
    TypeAsUser(*Form().E_RatioT3, QStringLiteral("1.25"));
    EXPECT_EQ(Form().Recalculations(), before + 4);
    EXPECT_EQ(Form().C_RatioT->currentIndex(), 0);
    EXPECT_EQ(Form().C_RatioT->currentText(), "(USER)");
    EXPECT_EQ(Form().E_RatioT3->text(), "1.25");
    EXPECT_EQ(Form().GridModel().Cells(3, 9), "80.4");  // 8000 rpm in third gear
    ExpectChartShows(Computed(WithGears({"2.5", "1.8", "1.25", "1.15", "1", "0"})));
    // The other lists keep their entries.
    EXPECT_EQ(Form().C_Ratio1->currentIndex(), 1);
    EXPECT_EQ(Form().C_Tire->currentIndex(), 1);
}

TEST_F(FormEditTest, AnUnparsableIntermediateTextShowsTheFailedInputTableUntilItParses) {
    TypeAsUser(*Form().E_RatioT3, QStringLiteral("-"));
    const TSpeedTableModel& grid = Form().GridModel();
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(0, 1), "0rpm");
    EXPECT_EQ(grid.Cells(1, 0), "1st");
    for (int col = 1; col < 7; ++col) EXPECT_EQ(grid.Cells(col, 1), "");
    for (int i = 0; i < kgr::ChartSeriesCount; ++i) {
        if (i == kgr::PowerBandIndex) continue;
        EXPECT_EQ(Form().Chart1->SeriesAt(i)->PointCount(), 0) << i;
    }

    TypeAsUser(*Form().E_RatioT3, QString());
    EXPECT_EQ(Form().E_RatioT3->text(), "");
    EXPECT_EQ(grid.RowCount(), 2);

    TypeAsUser(*Form().E_RatioT3, QStringLiteral("1.4"));
    EXPECT_EQ(grid.RowCount(), 12);
    EXPECT_EQ(grid.Cells(1, 9), "40.2");
    ExpectChartShows(Computed(Defaults()));
}

TEST_F(FormEditTest, FailedInputKeepsThePowerBandWhereItWas) {
    const auto& band = dynamic_cast<const TChartShape&>(*Form().Chart1->SeriesAt(0));
    const double x1 = band.X1();
    EXPECT_EQ(band.Y0(), 5999);
    TypeAsUser(*Form().E_PBHigh, QStringLiteral("x"));
    EXPECT_EQ(band.X1(), x1);
    EXPECT_EQ(band.Y1(), 8000);
}

TEST_F(FormEditTest, ATransmissionPickKeepsItsEntryShownWhileSixFieldsChange) {
    const int before = Form().Recalculations();
    ASSERT_TRUE(PickAsUser(*Form().C_RatioT, 2));
    EXPECT_EQ(Form().C_RatioT->currentIndex(), 2);
    EXPECT_EQ(Form().C_RatioT->currentText(), "Six");
    EXPECT_EQ(Form().E_RatioT1->text(), "3.000");
    EXPECT_EQ(Form().E_RatioT5->text(), "1.100");
    EXPECT_EQ(Form().E_RatioT6->text(), "1.000");
    EXPECT_EQ(Form().Recalculations(), before + 6);
    const auto six = Computed(WithGears({"3", "2", "1.5", "1.2", "1.1", "1"}));
    ExpectChartShows(six);
    const auto& band = dynamic_cast<const TChartShape&>(*Form().Chart1->SeriesAt(kgr::PowerBandIndex));
    EXPECT_EQ(band.X1(), six.MaxSpeed);
}

TEST_F(FormEditTest, APickRightAfterEditingAGearKeepsThePickedEntryShown) {
    TypeAsUser(*Form().E_RatioT3, QStringLiteral("1.2"));
    ASSERT_EQ(Form().C_RatioT->currentIndex(), 0);
    ASSERT_TRUE(PickAsUser(*Form().C_RatioT, 2));
    EXPECT_EQ(QApplication::focusWidget(), Form().C_RatioT);
    EXPECT_EQ(Form().C_RatioT->currentIndex(), 2);
    EXPECT_EQ(Form().E_RatioT3->text(), "1.500");
}

TEST_F(FormEditTest, ATransmissionPickRedrawsTheChartOnceAfterItsSixRecalculations) {
    QApplication::processEvents();
    const int paints = Form().Chart1->PaintCount();
    ASSERT_TRUE(PickAsUser(*Form().C_RatioT, 2));
    EXPECT_EQ(Form().Chart1->PaintCount(), paints);  // nothing is drawn inside the handler
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(Form().Chart1->PaintCount(), paints + 1);
}

TEST_F(FormEditTest, APickOfUserOrOfTheSameEntryChangesNothing) {
    const int before = Form().Recalculations();
    ASSERT_TRUE(PickAsUser(*Form().C_RatioT, 1));
    EXPECT_EQ(Form().Recalculations(), before);
    ASSERT_TRUE(PickAsUser(*Form().C_RatioT, 0));
    EXPECT_EQ(Form().Recalculations(), before);
    EXPECT_EQ(Form().E_RatioT1->text(), "2.500");
    EXPECT_FALSE(PickAsUser(*Form().C_RatioT, 3));
}

TEST_F(FormEditTest, ASelectionMadeByTheProgramRaisesNoPick) {
    Form().C_Ratio1->setCurrentIndex(2);
    EXPECT_EQ(Form().E_Ratio1->text(), "3");
}

TEST_F(FormEditTest, EngineSpeedAndPowerBandFieldsNeverResetAList) {
    TypeAsUser(*Form().E_MaxRPM, QStringLiteral("12"));
    TypeAsUser(*Form().E_PBLow, QStringLiteral("5"));
    TypeAsUser(*Form().E_PBHigh, QStringLiteral("9"));
    for (QComboBox* list : Form().PresetLists())
        EXPECT_EQ(list->currentIndex(), 1) << list->objectName().toStdString();
    EXPECT_EQ(Form().GridModel().RowCount(), 14);
    EXPECT_EQ(Form().GridModel().Cells(0, 13), "12000rpm");
    kgr::TGearingInputs inputs = Defaults();
    inputs.MaxRpm = "12";
    inputs.PBLow = "5";
    inputs.PBHigh = "9";
    ExpectChartShows(Computed(inputs));
}

TEST_F(FormEditTest, EveryRatioFieldResetsOnlyItsOwnList) {
    TypeAsUser(*Form().E_Tire, QStringLiteral("600"));
    EXPECT_EQ(Form().C_Tire->currentIndex(), 0);
    EXPECT_EQ(Form().C_Ratio2drvn->currentIndex(), 1);
    TypeAsUser(*Form().E_Ratio2drvn, QStringLiteral("46"));
    EXPECT_EQ(Form().C_Ratio2drvn->currentIndex(), 0);
    EXPECT_EQ(Form().C_Ratio2drv->currentIndex(), 1);
    TypeAsUser(*Form().E_Ratio2drv, QStringLiteral("14"));
    EXPECT_EQ(Form().C_Ratio2drv->currentIndex(), 0);
    EXPECT_EQ(Form().C_Ratio1->currentIndex(), 1);
    TypeAsUser(*Form().E_Ratio1, QStringLiteral("2"));
    EXPECT_EQ(Form().C_Ratio1->currentIndex(), 0);
    EXPECT_EQ(Form().C_RatioT->currentIndex(), 1);
}

TEST_F(FormEditTest, WritingTheTextAFieldAlreadyHoldsRaisesNoRecalculation) {
    const int before = Form().Recalculations();
    for (QLineEdit* field : Form().InputFields()) field->setText(field->text());
    EXPECT_EQ(Form().Recalculations(), before);
    Form().E_Ratio1->setText(QStringLiteral("2.5"));
    EXPECT_EQ(Form().Recalculations(), before + 1);
    // Written by the program while another control has the focus: the list keeps its entry.
    EXPECT_EQ(Form().C_Ratio1->currentIndex(), 1);
}

// What a recalculation does to the series, as "C<index>" for emptied and "A<index>" for a point added.
std::vector<std::string> SeriesEvents(TForm1& form, const std::function<void()>& action) {
    std::vector<std::string> events;
    for (int i = 0; i <= 12; ++i) {
        TChartSeries* series = form.Chart1->SeriesAt(i);
        series->OnClearValues = [&events, i](TChartSeries*) { events.push_back("C" + std::to_string(i)); };
        series->OnAfterAdd = [&events, i](TChartSeries*, int) { events.push_back("A" + std::to_string(i)); };
    }
    action();
    for (int i = 0; i <= 12; ++i) {
        form.Chart1->SeriesAt(i)->OnClearValues = nullptr;
        form.Chart1->SeriesAt(i)->OnAfterAdd = nullptr;
    }
    return events;
}

TEST_F(FormEditTest, ARecalculationEmptiesAllLinesThenRefillsSilverBeforeColouredEachEmptiedAgain) {
    std::vector<std::string> expected;
    for (int i = 1; i <= 12; ++i) expected.push_back("C" + std::to_string(i));
    std::vector<int> refillOrder;
    for (int g = 1; g <= kgr::GearCount; ++g) refillOrder.push_back(kgr::WholeRangeLineIndex(g));
    for (int g = 1; g <= kgr::GearCount; ++g) refillOrder.push_back(kgr::GearLineIndex(g));
    for (int i : refillOrder) {
        const std::string index = std::to_string(i);
        expected.insert(expected.end(), {"C" + index, "A" + index, "A" + index});
    }
    EXPECT_EQ(SeriesEvents(Form(), [this] { Form().Recalculate(); }), expected);

    // Nothing to draw: the twelve lines are emptied once and stay empty; the band is not touched.
    expected.resize(12);
    EXPECT_EQ(SeriesEvents(Form(), [this] { Form().E_Ratio2drv->setText(QStringLiteral("0")); }), expected);
}

TEST_F(FormEditTest, ATitleTypedIntoTheSettingMemoryGoesThereAndRecalculatesNothing) {
    TypeAsUser(*Form().E_Tire, QStringLiteral("610"));
    const int before = Form().Recalculations();
    TypeAsUser(*Form().Edit1, QStringLiteral("abc"));
    EXPECT_EQ(Form().Edit1->text(), "abc");
    EXPECT_EQ(Form().E_Tire->text(), "610");
    EXPECT_EQ(Form().Recalculations(), before);
}

// Runs the message loop until it ends (true) or five seconds pass (false); `action` runs inside it.
bool LoopEndsAfter(const std::function<void()>& action) {
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QApplication::quit();
    });
    guard.start(5000);
    QTimer::singleShot(0, action);
    QApplication::exec();
    return !timedOut;
}

TEST_F(FormEditTest, TheCloseButtonEndsTheProgramLikeTheCloseBox) {
    EXPECT_TRUE(LoopEndsAfter([this] { Form().SpeedButton2->click(); }));
    EXPECT_FALSE(Form().isVisible());

    Form().show();
    EXPECT_TRUE(LoopEndsAfter([this] { Form().close(); }));
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(FormEditTest, APickWithItsCatalogGoneShowsOneMessagePerValueAndWritesZeros) {
    ASSERT_TRUE(QFile::remove(Directory() + "transmission.ini"));
    ASSERT_TRUE(PickAsUser(*Form().C_RatioT, 2));
    EXPECT_EQ(messages_.Messages, std::vector<std::string>(6, "transmission.ini が見つかりません"));
    EXPECT_EQ(Form().E_RatioT1->text(), "0.000");
    EXPECT_EQ(Form().C_RatioT->currentIndex(), 2);
}

}  // namespace
