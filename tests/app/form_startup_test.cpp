// Start-up of the main window: catalogs missing or shipped, the defaults they leave, the layout.
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include "app/speedtablemodel.h"
#include "chart/chart.h"
#include "chart/series.h"
#include "chart/shape.h"
#include "core/catalogs.h"
#include "core/inputfields.h"
#include "core/numbertext.h"
#include "tests/app/formfixture.h"

namespace {

// The next widget that Tab reaches from `widget` (labels and disabled controls are passed over).
QWidget* NextTabStop(QWidget* widget) {
    for (QWidget* next = widget->nextInFocusChain(); next != widget; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && !next->focusProxy()) return next;
    return widget;
}

TEST_F(FormTest, AllCatalogsMissingGiveFiveMessagesInOrderAndAnEmptyTable) {
    TForm1& form = Open();

    EXPECT_EQ(messages_.Messages,
              (std::vector<std::string>{"primary.ini が見つかりません", "transmission.ini が見つかりません",
                                        "drive.ini が見つかりません", "driven.ini が見つかりません",
                                        "tire.ini が見つかりません"}));
    for (QComboBox* list : form.PresetLists()) {
        EXPECT_EQ(list->count(), 0) << list->objectName().toStdString();
        EXPECT_EQ(list->currentIndex(), -1);
    }
    EXPECT_EQ(form.E_MaxRPM->text(), "10");
    EXPECT_EQ(form.E_PBLow->text(), "6");
    EXPECT_EQ(form.E_PBHigh->text(), "8");
    for (QLineEdit* field : form.InputFields()) {
        if (field != form.E_MaxRPM && field != form.E_PBLow && field != form.E_PBHigh) {
            EXPECT_EQ(field->text(), "0") << field->objectName().toStdString();
        }
    }

    const TSpeedTableModel& grid = form.GridModel();
    ASSERT_EQ(grid.RowCount(), 12);
    EXPECT_EQ(grid.ColCount(), 7);
    EXPECT_EQ(grid.Cells(1, 0), "1st");
    EXPECT_EQ(grid.Cells(0, 1), "0rpm");
    EXPECT_EQ(grid.Cells(0, 11), "10000rpm");
    for (int row = 1; row < 12; ++row)
        for (int col = 1; col < 7; ++col) EXPECT_EQ(grid.Cells(col, row), "") << col << "," << row;

    // Three writes of the first step recalculate, the "0"s change nothing, then the final one.
    EXPECT_EQ(form.Recalculations(), 4);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(form.Chart1->SeriesAt(i)->PointCount(), 0);
    const auto& band = dynamic_cast<const TChartShape&>(*form.Chart1->SeriesAt(0));
    EXPECT_EQ(band.X0(), 3.125);
    EXPECT_EQ(band.Y0(), 225);
    EXPECT_EQ(band.X1(), 21.875);
    EXPECT_EQ(band.Y1(), 706);
}

TEST_F(FormTest, ShippedCatalogsFillTheListsAndTheirDefaultsReachTheFields) {
    CopyShippedCatalogs();
    TForm1& form = Open();
    EXPECT_TRUE(messages_.Messages.empty());

    const kgr::TCatalogContext context{Directory().toStdString(), '.', nullptr};
    for (QComboBox* list : form.PresetLists()) {
        ASSERT_GT(list->count(), 1) << list->objectName().toStdString();
        EXPECT_EQ(list->itemText(0), "(USER)");
        EXPECT_GE(list->currentIndex(), 1);
    }
    const int gearbox = form.C_RatioT->currentIndex();
    for (int g = 0; g < kgr::GearCount; ++g) {
        const auto* field = form.findChild<QLineEdit*>(kgr::InputFields[kgr::ifRatioT1 + g].Control);
        const double value = kgr::ReadCatalogValue(context, "transmission.ini", kgr::GearNames[g], gearbox);
        EXPECT_EQ(field->text().toStdString(), kgr::FormatFixed(value, 3, 3, '.'));
    }
    const double primary =
        kgr::ReadCatalogValue(context, "primary.ini", "ratio", form.C_Ratio1->currentIndex());
    EXPECT_EQ(form.E_Ratio1->text().toStdString(), kgr::FormatGeneral(primary, '.'));

    // The table is filled: the 1000 rpm row has a speed in first gear.
    EXPECT_NE(form.GridModel().Cells(1, 2).trimmed(), "");
    EXPECT_NE(form.GridModel().Cells(1, 2).trimmed(), "0.0");
    EXPECT_EQ(form.Chart1->SeriesAt(7)->PointCount(), 2);
}

TEST_F(FormTest, StartUpRecalculatesOncePerChangedFieldAndOnceAtTheEnd) {
    WriteTestCatalogs();
    // A primary default of 0 writes the text the field already holds: no recalculation for it.
    WriteCatalog(QStringLiteral("primary.ini"),
                 "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=None\nratio=0\n");
    TForm1& form = Open();
    EXPECT_TRUE(messages_.Messages.empty());
    EXPECT_EQ(form.E_Ratio1->text(), "0");
    EXPECT_EQ(form.C_Ratio1->currentIndex(), 1);
    // 3 engine speed fields, 6 gears ("0.000" for the missing 6th differs from "0"), drive,
    // driven, tyre, and the final one.
    EXPECT_EQ(form.E_RatioT6->text(), "0.000");
    EXPECT_EQ(form.Recalculations(), 3 + 6 + 3 + 1);
    // Primary 0 draws nothing: labels without speeds, and the band where the form put it.
    EXPECT_EQ(form.GridModel().RowCount(), 12);
    EXPECT_EQ(form.GridModel().Cells(1, 2), "");
    const auto& band = dynamic_cast<const TChartShape&>(*form.Chart1->SeriesAt(0));
    EXPECT_EQ(band.Y1(), 706);
}

TEST_F(FormTest, WindowAndControlsSitWhereTheFormDescriptionPutsThem) {
    TForm1& form = Open();
    EXPECT_EQ(form.windowTitle(), "Kestrigo - ケストリゴ");
    EXPECT_EQ(form.size(), QSize(620, 460));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});  // the gear picture
    EXPECT_EQ(form.SpeedButton2->icon().availableSizes(), QList<QSize>{QSize(32, 32)});

    EXPECT_EQ(form.SpeedButton2->geometry(), QRect(584, 424, 33, 33));
    EXPECT_EQ(form.SpeedButton2->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(form.SpeedButton2->toolTip(), "終了する");
    EXPECT_TRUE(form.SpeedButton2->autoRaise());
    EXPECT_EQ(form.Label19->geometry().topLeft(), QPoint(520, 0));
    EXPECT_EQ(form.Label19->width(), 98);
    EXPECT_TRUE(form.Label19->alignment() & Qt::AlignRight);

    EXPECT_EQ(form.PageControl1->geometry(), QRect(4, 4, 485, 305));
    EXPECT_EQ(form.PageControl1->currentIndex(), 1);
    EXPECT_EQ(form.PageControl1->tabText(0), "rpm/kmph 対応表");
    EXPECT_EQ(form.PageControl1->tabText(1), "rpm/kmph グラフ");
    EXPECT_EQ(form.StringGrid1, nullptr);  // built when the table tab is first shown
    EXPECT_EQ(form.Chart1->geometry(), QRect(0, 1, 477, 276));

    EXPECT_EQ(form.GroupBox1->geometry(), QRect(492, 20, 125, 289));
    EXPECT_EQ(form.GroupBox2->geometry(), QRect(4, 312, 573, 145));
    EXPECT_EQ(form.E_Tire->parentWidget(), form.GroupBox2);
    EXPECT_EQ(form.E_Tire->geometry(), QRect(488, 120, 65, 20));
    EXPECT_EQ(form.E_RatioT3->parentWidget(), form.Panel1);
    EXPECT_EQ(form.E_RatioT3->geometry(), QRect(188, 29, 49, 20));
    EXPECT_EQ(form.C_RatioT->geometry(), QRect(4, 5, 249, 20));
    EXPECT_EQ(form.Label14->geometry().topLeft(), QPoint(268, 12));
    EXPECT_EQ(form.Label14->width(), 188);
    EXPECT_EQ(form.Label14->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));

    // Tinted decimal fields, plain-white bevelled integer fields (without catalogs the primary ratio
    // is 0 and marked: a gear of 0 is no fault).
    EXPECT_NE(form.E_RatioT1->palette().color(QPalette::Base),
              form.E_MaxRPM->palette().color(QPalette::Base));
    EXPECT_EQ(form.E_RatioT1->palette().color(QPalette::Base), form.E_Tire->palette().color(QPalette::Base));

    EXPECT_EQ(QFontInfo(form.font()).pixelSize(), 12);
}

TEST_F(FormTest, EveryLabelShowsItsWholeText) {
    TForm1& form = Open();
    const QList<QLabel*> labels = form.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 19);  // Label1 ... Label19
    for (const QLabel* label : labels) {
        const QFontMetrics metrics(label->font());
        const std::string name = label->objectName().toStdString();
        // At least the 12 pixels of the form description, and never less than the font needs.
        EXPECT_GE(label->height(), 12) << name;
        EXPECT_GE(label->height(), metrics.height()) << name;
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << name;
    }
}

TEST_F(FormTest, EveryControlWritesInTheWindowFont) {
    TForm1& form = Open();
    const QFontInfo window(form.font());
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        const QFontInfo info(widget->font());
        EXPECT_EQ(info.family(), window.family())
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        EXPECT_EQ(info.pixelSize(), 12);
    }
}

TEST_F(FormTest, GroupFramesRunThroughTheMiddleOfTheirCaptions) {
    TForm1& form = Open();
    for (QGroupBox* group : {form.GroupBox1, form.GroupBox2}) {
        const QImage image = group->grab().toImage();
        const int middle = QFontMetrics(group->font()).height() / 2;
        const QRgb line = group->palette().color(QPalette::Mid).rgb();
        const QRgb face = form.palette().color(QPalette::Window).rgb();
        const int x = group->width() - 8;  // right of the caption, clear of every control
        const std::string name = group->objectName().toStdString();
        EXPECT_EQ(image.pixel(x, middle), line) << name;
        EXPECT_EQ(image.pixel(0, group->height() / 2), line) << name;
        EXPECT_EQ(image.pixel(x, group->height() - 2), line) << name;
        // Nothing is drawn between the top line and the first row of controls.
        for (int y = middle + 2; y < 16; ++y) EXPECT_EQ(image.pixel(x, y), face) << name << " y " << y;
        // The caption interrupts the line.
        EXPECT_NE(image.pixel(12, middle), line) << name;
    }
}

TEST_F(FormTest, TabOrderRunsThroughTheInputsAsListed) {
    TForm1& form = Open();
    const std::vector<QWidget*> order = {
        form.C_Ratio1,     form.E_Ratio1,  form.E_MaxRPM,    form.E_PBLow,     form.E_PBHigh,
        form.C_RatioT,     form.E_RatioT1, form.E_RatioT2,   form.E_RatioT3,   form.E_RatioT4,
        form.E_RatioT5,    form.E_RatioT6, form.C_Ratio2drv, form.E_Ratio2drv, form.C_Ratio2drvn,
        form.E_Ratio2drvn, form.C_Tire,    form.E_Tire};
    for (size_t i = 1; i < order.size(); ++i)
        EXPECT_EQ(NextTabStop(order[i - 1]), order[i]) << order[i - 1]->objectName().toStdString();
}

TEST_F(FormTest, StringGridLooksLikeAFixedCellGrid) {
    TForm1& form = Open();
    form.PageControl1->setCurrentIndex(0);
    QTableView& grid = *form.StringGrid1;
    EXPECT_EQ(grid.horizontalHeader()->defaultSectionSize(), 65);  // 64 pixels and a line
    EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), 17);    // 16 pixels and a line
    EXPECT_EQ(grid.horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(grid.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(grid.verticalHeader()->isHidden());
}

}  // namespace
