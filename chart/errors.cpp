#include "chart/errors.h"

namespace ChartStrings {
const char* const ListIndexError = "リストのインデックスが範囲を超えています (%d)";
const char* const ListCapacityError = "リストの容量が超えました (%d)";
const char* const DataSourceNoParent =
    "ParentChart プロパティが指定されていないので DataSource を検証できません。";
const char* const DataSourceInvalid = "%s は DataSource プロパティには指定できません。";
const char* const CircularDataSource = "系列の循環参照は許されません";
const char* const AxisIncrement = "軸の増加単位は 0 以上でなければなりません";
const char* const AxisMinimum = "軸の最小値は最大値以下でなければなりません";
const char* const AxisMaximum = "軸の最大値は最小値以上でなければなりません";
const char* const AxisLabelsSeparation = "ラベルの間隔 % は 0 以上でなければなりません";
const char* const AxisLogDateTime = "日付時刻軸を対数軸にすることはできません";
const char* const AxisLogNegative = "対数軸の最大/最小値は 0 以上でなければなりません";
const char* const AxisLogBase = "対数軸の LogarithmicBase プロパティは 2 より大きい値が必要です。";
const char* const AxisLabelsDescription = "軸ラベル";
const char* const AxisTitleDescription = "軸タイトル";
const char* const Chart3DPercent = "3 次元効果の割合は %d から %d の間でなければなりません";
const char* const LegendColorWidth = "凡例のマーカの幅は 0 から 100% の間でなければなりません";
const char* const LegendTopPos = "凡例の上端は 0 から 100% の間でなければなりません";
const char* const LegendFirstValue = "凡例の開始値は 1 以上でなければなりません。";
const char* const AngleRange = "%sの角度は 0 から 359 の間でなければなりません";
const char* const MaxPointsPerPage = "MaxPointsPerPage は 0 以上でなければなりません";
const char* const DefaultFontName = "ＭＳ Ｐ明朝";
const char* const DefaultFontSize = "9";
const char* const ValueListXName = "X";
const char* const ValueListYName = "Y";
}  // namespace ChartStrings

namespace {

// Replaces the first occurrence of `placeholder` (a "%d" or "%s"); the literal "%" elsewhere in a
// message (as in "100%") is left alone.
std::string ReplaceFirst(std::string text, const char* placeholder, const std::string& value) {
    const auto pos = text.find(placeholder);
    if (pos != std::string::npos) text.replace(pos, 2, value);
    return text;
}

}  // namespace

std::string FormatMessage(const char* pattern, long long number) {
    return ReplaceFirst(pattern, "%d", std::to_string(number));
}

std::string FormatMessage(const char* pattern, long long first, long long second) {
    return ReplaceFirst(ReplaceFirst(pattern, "%d", std::to_string(first)), "%d", std::to_string(second));
}

std::string FormatMessage(const char* pattern, const std::string& text) {
    return ReplaceFirst(pattern, "%s", text);
}
