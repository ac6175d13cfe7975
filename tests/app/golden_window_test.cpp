// Golden images of the whole window as a user sees it: both tabs, a focused bevelled field, a failed
// input and an open preset list, compared byte for byte with images committed beforehand. Work on
// start-up (what is built when, and how) must leave every pixel where it was.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "app/Unit1.h"
#include "app/messagebox.h"
#include "tests/app/golden_support.h"
#include "tools/replay/useractions.h"

namespace {

const QString kGoldenDir = QStringLiteral(KESTRIGO_SOURCE_DIR "/tests/golden/window/");
const QString kCatalogDir = QStringLiteral(KESTRIGO_SOURCE_DIR "/catalogs/");

void ExpectWindowGolden(QWidget& widget, const char* name) {
    QApplication::processEvents();
    golden::ExpectGolden(widget.grab().toImage(), kGoldenDir, name);
}

// The window shown and active, as the program starts it.
class GoldenWholeWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        ActivateWindowOf(form);
        QApplication::processEvents();
    }
    void TearDown() override { form.close(); }

    TMessageRecorder messages;
    TForm1 form{&messages, kCatalogDir};
};

TEST_F(GoldenWholeWindow, StartUpOnTheChartTab) {
    ExpectWindowGolden(form, "startup");
}

TEST_F(GoldenWholeWindow, TheTableTabThenBackToTheChart) {
    form.PageControl1->setCurrentIndex(0);
    ExpectWindowGolden(form, "table");
    TypeAsUser(*form.E_MaxRPM, QStringLiteral("9"));
    ExpectWindowGolden(form, "table_max9_focused");
    form.PageControl1->setCurrentIndex(1);
    ExpectWindowGolden(form, "chart_max9_focused");
}

TEST_F(GoldenWholeWindow, BevelledAndTintedFieldsWithFocusAndAFailedInput) {
    TypeAsUser(*form.E_PBLow, QStringLiteral("7"));
    ExpectWindowGolden(form, "band_low_focused");
    TypeAsUser(*form.E_Tire, QStringLiteral("6OO"));
    ExpectWindowGolden(form, "tire_failed");
}

TEST_F(GoldenWholeWindow, AScrolledAndASelectedTextInBevelledFields) {
    TypeAsUser(*form.E_PBHigh, QStringLiteral("123456789"));  // wider than the field: scrolled to the end
    ExpectWindowGolden(form, "band_high_scrolled");
    form.E_MaxRPM->setFocus(Qt::TabFocusReason);
    form.E_MaxRPM->selectAll();
    ExpectWindowGolden(form, "max_selected");
}

TEST_F(GoldenWholeWindow, AnOpenPresetList) {
    form.C_Tire->showPopup();
    QApplication::processEvents();
    ExpectWindowGolden(*form.C_Tire->view()->window(), "tire_list_open");
    form.C_Tire->hidePopup();
    form.C_RatioT->showPopup();
    QApplication::processEvents();
    ExpectWindowGolden(*form.C_RatioT->view()->window(), "transmission_list_open");
    form.C_RatioT->hidePopup();
}

}  // namespace
