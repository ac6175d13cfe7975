// Golden images of the whole window as a user sees it: both tabs, a focused bevelled field, a failed
// input and an open preset list, compared byte for byte with images committed beforehand. Work on
// start-up (what is built when, and how) must leave every pixel where it was.
// KESTRIGO_UPDATE_GOLDEN=1 rewrites the images (only after a change of the window that is meant).
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <cstring>
#include <string>

#include "app/Unit1.h"
#include "app/messagebox.h"
#include "tools/replay/useractions.h"

namespace {

const QString kGoldenDir = QStringLiteral(KESTRIGO_SOURCE_DIR "/tests/golden/window/");
const QString kCatalogDir = QStringLiteral(KESTRIGO_SOURCE_DIR "/catalogs/");

// The first differing pixel, as text; empty when the images are equal.
std::string FirstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) +
               " instead of " + std::to_string(expected.width()) + "x" + std::to_string(expected.height());
    for (int y = 0; y < actual.height(); ++y) {
        if (std::memcmp(actual.constScanLine(y), expected.constScanLine(y),
                        static_cast<size_t>(actual.width()) * 4) == 0)
            continue;
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       QString::number(actual.pixel(x, y), 16).toStdString() + " instead of " +
                       QString::number(expected.pixel(x, y), 16).toStdString();
    }
    return {};
}

void ExpectWindowGolden(QWidget& widget, const char* name) {
    QApplication::processEvents();
    const QImage actual = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = kGoldenDir + QString::fromLatin1(name) + QStringLiteral(".png");
    if (qEnvironmentVariableIntValue("KESTRIGO_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(kGoldenDir);
        ASSERT_TRUE(actual.save(path, "PNG")) << path.toStdString();
        return;
    }
    const QImage expected(path);
    ASSERT_FALSE(expected.isNull()) << "no golden image " << path.toStdString();
    EXPECT_EQ(FirstDifference(actual, expected.convertToFormat(QImage::Format_RGB32)), "") << name;
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
