// Label steps, label values and label texts: the number pattern, date-time texts and steps.
#include <gtest/gtest.h>

#include <QLocale>
#include <vector>

#include "chart/axis.h"
#include "chart/axislabels.h"
#include "chart/datetimetext.h"
#include "chart/numberpattern.h"

namespace {

std::unique_ptr<TChartAxis> Axis(TAxisSide side, int length, double min, double max) {
    auto axis = std::make_unique<TChartAxis>(nullptr, side);
    axis->SetStartPixel(0);
    axis->SetEndPixel(length);
    axis->SetRangeMin(min);
    axis->SetRangeMax(max);
    return axis;
}

std::vector<double> Values(const TCustomChartAxis& axis, double step) {
    std::vector<double> values;
    axis.ForEachLabelValue(step, [&](double v) { values.push_back(v); });
    return values;
}

std::string Text(double value, const std::string& pattern = "#,##0.###") {
    return FormatNumberPattern(value, pattern, TNumberSeparators{",", "."});
}

// The ticker's own cases are in axis_ticks_test; here the axis' settings must reach it.
TEST(LabelValues, FollowTheAxisSettings) {
    auto axis = Axis(asLeft, 200, 0, 0);
    axis->SetLogarithmic(true);
    axis->SetRangeMin(2);
    axis->SetRangeMax(2000);
    EXPECT_EQ(Values(*axis, 1), (std::vector<double>{10, 100, 1000}));
    axis->SetIncrement(600);
    EXPECT_EQ(Values(*axis, 600), (std::vector<double>{1800, 1200, 600}));
    axis->SetRoundFirstLabel(false);
    EXPECT_EQ(Values(*axis, 600), (std::vector<double>{2000, 1400, 800, 200}));
    axis->SetLabelsSeparation(0);
    EXPECT_EQ(axis->StepForLabelSize(12), 600);
    axis->SetIsDateTimeAxis(true);
    EXPECT_EQ(axis->StepForLabelCount(0), OneSecond);
}

TEST(NumberPattern, DefaultPattern) {
    EXPECT_EQ(Text(0), "0");
    EXPECT_EQ(Text(5), "5");
    EXPECT_EQ(Text(1000), "1,000");
    EXPECT_EQ(Text(12000), "12,000");
    EXPECT_EQ(Text(2.5), "2.5");
    EXPECT_EQ(Text(0.0004), "0");
    EXPECT_EQ(Text(-0.0004), "0");
    EXPECT_EQ(Text(-1234567.125), "-1,234,567.125");
    EXPECT_EQ(Text(999.9996), "1,000");
    EXPECT_EQ(FormatNumberPattern(1234.5, "#,##0.###", {".", ","}), "1.234,5");
}

TEST(NumberPattern, OtherElements) {
    EXPECT_EQ(Text(3.14159, "0.00"), "3.14");
    EXPECT_EQ(Text(3, "000"), "003");
    EXPECT_EQ(Text(0.5, "#.##"), ".5");
    EXPECT_EQ(Text(12, "0 rpm"), "12 rpm");
    EXPECT_EQ(Text(1e20), "100,000,000,000,000,000,000");
    EXPECT_EQ(Text(std::nan("")), "NaN");
}

TEST(NumberPattern, ExactDigitsBeyondTheShortWayAndAtTheLargestDouble) {
    // 0.1 is written exactly from 55 decimals on; more than fit the short way add only zeros.
    const std::string exact = "0.1000000000000000055511151231257827021181583404541015625";
    EXPECT_EQ(Text(0.1, "0." + std::string(60, '#')), exact);
    EXPECT_EQ(Text(0.1, "0." + std::string(200, '0')), exact + std::string(200 - 55, '0'));
    const std::string largest = Text(1.7976931348623157e308, "0");
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 17), "17976931348623157");
}

TEST(NumberPattern, LocaleSeparatorsFollowTheDefaultLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const TNumberSeparators german = LocaleNumberSeparators();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const TNumberSeparators english = LocaleNumberSeparators();
    QLocale::setDefault(saved);
    EXPECT_EQ(german.Thousands, ".");
    EXPECT_EQ(german.Decimal, ",");
    EXPECT_EQ(english.Thousands, ",");
    EXPECT_EQ(english.Decimal, ".");
}

TEST(LabelText, MultiLineAndDateTime) {
    auto axis = std::make_unique<TChartAxis>(nullptr, asLeft);
    axis->SetAxisValuesFormat("0 rpm x");
    axis->SetLabelsMultiLine(true);
    EXPECT_EQ(axis->LabelTextOf(12), "12\rrpm\rx");
    EXPECT_EQ(TextLineCount(axis->LabelTextOf(12)), 3);
    axis->SetIsDateTimeAxis(true);
    axis->SetDateTimeFormat("yyyy/mm/dd");
    EXPECT_EQ(axis->LabelTextOf(-1), "");
    axis->SetLabelsMultiLine(false);
    EXPECT_EQ(axis->LabelTextOf(45000.75), "2023/03/15");
}

TEST(LineCount, SeparatorsAndTrailingText) {
    EXPECT_EQ(TextLineCount(""), 0);
    EXPECT_EQ(TextLineCount("a"), 1);
    EXPECT_EQ(TextLineCount("a\rb"), 2);
    EXPECT_EQ(TextLineCount("a\r"), 1);
}

TEST(DateTimeText, PatternsAndSteps) {
    EXPECT_EQ(FormatDateTimeText(0, "yyyy/mm/dd hh:nn"), "1899/12/30 00:00");
    EXPECT_EQ(FormatDateTimeText(45000.5, "yy/m/d h:mm:ss"), "23/3/15 12:00:00");
    EXPECT_EQ(FormatDateTimeText(1e300, "yyyy"), "");
    EXPECT_EQ(DateTimeStep(0, 30, 10), 3);
    EXPECT_EQ(DateTimeStep(0, 1.0 / 24, 100), 60 * OneSecond);
    EXPECT_EQ(DateTimeStep(0, 3650, 5), 730);                  // from one year on the step doubles
    EXPECT_EQ(DateTimeFirstLabel(45000.5, 30), 44986);         // 2023-03-01
    EXPECT_EQ(PreviousDateTimeLabel(44986, 30, true), 44958);  // 2023-02-01
    EXPECT_EQ(PreviousDateTimeLabel(44986, 15, true), 44972);  // 2023-02-15
    EXPECT_EQ(PreviousDateTimeLabel(44986, 15, false), 44971);
}

}  // namespace
