// The chart engine's exceptions and its one table of message texts.
#pragma once

#include <stdexcept>
#include <string>

// Raised for rejected chart property values.
class ChartException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raised for rejected axis property values.
class AxisException : public ChartException {
  public:
    using ChartException::ChartException;
};

// Raised for rejected legend property values.
class LegendException : public ChartException {
  public:
    using ChartException::ChartException;
};

// List index and capacity errors.
class EListError : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

// Message texts, kept in one place; "%d" and "%s" are filled by FormatMessage.
namespace ChartStrings {
extern const char* const ListIndexError;  // "リストのインデックスが範囲を超えています (%d)"
extern const char* const ListCapacityError;   // "リストの容量が超えました (%d)"
extern const char* const DataSourceNoParent;  // "ParentChart プロパティが…"
extern const char* const DataSourceInvalid;  // "%s は DataSource プロパティには指定できません。"
extern const char* const CircularDataSource;     // "系列の循環参照は許されません"
extern const char* const AxisIncrement;          // Increment < 0
extern const char* const AxisMinimum;            // Minimum > Maximum
extern const char* const AxisMaximum;            // Maximum < Minimum
extern const char* const AxisLabelsSeparation;   // LabelsSeparation < 0
extern const char* const AxisLogDateTime;        // Logarithmic on a date-time axis
extern const char* const AxisLogNegative;        // Logarithmic with a range below 0
extern const char* const AxisLogBase;            // LogarithmicBase too small
extern const char* const AxisLabelsDescription;  // "軸ラベル", for ValidateAngle
extern const char* const AxisTitleDescription;   // "軸タイトル", for ValidateAngle
extern const char* const Chart3DPercent;         // "%d" "%d": 1 and 100
extern const char* const LegendColorWidth;
extern const char* const LegendTopPos;
extern const char* const LegendFirstValue;
extern const char* const AngleRange;  // "%sの角度は 0 から 359 の間でなければなりません"
extern const char* const MaxPointsPerPage;
extern const char* const DefaultFontName;  // "ＭＳ Ｐ明朝"
extern const char* const DefaultFontSize;  // "9"
extern const char* const ValueListXName;   // "X"
extern const char* const ValueListYName;   // "Y"
}  // namespace ChartStrings

// Fills the "%d" and "%s" placeholders of a message, in order.
std::string FormatMessage(const char* pattern, long long number);
std::string FormatMessage(const char* pattern, long long first, long long second);
std::string FormatMessage(const char* pattern, const std::string& text);
