// Date-time label texts and steps. A date-time value counts days since 1899-12-30 00:00; its
// fraction is the time of day.
#pragma once

#include <string>

inline constexpr double OneSecond = 1.0 / 86400.0;

// The value written with a pattern of the letters yyyy yy mm m dd d hh h nn n ss s (m right after
// h/hh is minutes) and literal text; an empty pattern chooses one by DateTimePatternForSpan.
std::string FormatDateTimeText(double value, const std::string& pattern);

// The label pattern chosen from the span of an axis: time of day for short spans, dates for long ones.
std::string DateTimePatternForSpan(double span);

// The label step of a date-time axis for at most count labels over span, at least one second.
double DateTimeStep(double increment, double span, int count);

// With exact calendar steps: the first label value at or below value, rounded down to the calendar
// unit of the step (steps of one day and more).
double DateTimeFirstLabel(double value, double step);

// The label value before value: one step back, or one calendar half-month, month or year back for
// steps of 15 days and more when exact.
double PreviousDateTimeLabel(double value, double step, bool exact);
