#include "chart/datetimetext.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

struct CivilDate {
    long long Year;
    int Month;
    int Day;
};

// Days between 1970-01-01 and a civil date (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

// Day 0 of the date-time scale, 1899-12-30, counted from 1970-01-01.
const long long EpochOffset = DaysFromCivil(1899, 12, 30);

// Values beyond this many days from the epoch have no calendar date worth writing.
constexpr double LargestDay = 3.0e6;

CivilDate DateOf(double value) {
    return CivilFromDays(static_cast<long long>(std::floor(value)) + EpochOffset);
}

double ValueOf(long long year, int month, int day) {
    return static_cast<double>(DaysFromCivil(year, month, day) - EpochOffset);
}

std::string Padded(long long number, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", width, number);
    return text;
}

// Counts how often the letter at pattern[i] repeats (case ignored).
size_t RunLength(const std::string& pattern, size_t i) {
    size_t n = 1;
    const auto lower = [](char c) { return static_cast<char>(c | 0x20); };
    while (i + n < pattern.size() && lower(pattern[i + n]) == lower(pattern[i])) ++n;
    return n;
}

const std::array<double, 25> StepLadder = {1,       5,        10,       15,      30,      60,      300,
                                           600,     900,      1800,     3600,    7200,    21600,   43200,
                                           86400,   172800,   259200,   604800,  1296000, 2592000, 5184000,
                                           7776000, 10368000, 15724800, 31536000};

double NextLadderStep(double step) {
    for (double seconds : StepLadder) {
        if (seconds * OneSecond > step * (1 + 1e-12)) return seconds * OneSecond;
    }
    return step * 2;
}

}  // namespace

std::string FormatDateTimeText(double value, const std::string& pattern) {
    if (!std::isfinite(value) || std::fabs(value) > LargestDay) return std::string();
    const std::string& used = pattern.empty() ? DateTimePatternForSpan(1) : pattern;
    const CivilDate date = DateOf(value);
    const long long seconds = std::llround((value - std::floor(value)) * 86400.0) % 86400;
    const long long hour = seconds / 3600;
    const long long minute = seconds / 60 % 60;
    std::string out;
    bool afterHour = false;
    for (size_t i = 0; i < used.size();) {
        const char c = static_cast<char>(used[i] | 0x20);
        const size_t n = RunLength(used, i);
        if (c == 'y') {
            out += n <= 2 ? Padded(date.Year % 100, 2) : Padded(date.Year, 4);
        } else if (c == 'm') {
            const long long number = afterHour ? minute : date.Month;
            out += Padded(number, n >= 2 ? 2 : 1);
        } else if (c == 'd') {
            out += Padded(date.Day, n >= 2 ? 2 : 1);
        } else if (c == 'h') {
            out += Padded(hour, n >= 2 ? 2 : 1);
        } else if (c == 'n') {
            out += Padded(minute, n >= 2 ? 2 : 1);
        } else if (c == 's') {
            out += Padded(seconds % 60, n >= 2 ? 2 : 1);
        } else {
            out.append(used, i, n);
        }
        if (c != ':' && c != ' ') afterHour = c == 'h';
        i += n;
    }
    return out;
}

std::string DateTimePatternForSpan(double span) {
    const double magnitude = std::fabs(span);
    if (magnitude < 10.0 / 1440) return "hh:nn:ss";
    if (magnitude <= 1) return "hh:nn";
    if (magnitude <= 366) return "mm/dd";
    return "yyyy/mm";
}

double DateTimeStep(double increment, double span, int count) {
    double step = std::max(OneSecond, increment);
    const double magnitude = std::fabs(span);
    if (magnitude / step > 1e6) step = magnitude / 1e6;
    while (std::isfinite(step) && std::nearbyint(magnitude / step) > count) step = NextLadderStep(step);
    return std::max(step, OneSecond);
}

double DateTimeFirstLabel(double value, double step) {
    if (step < 1 || !std::isfinite(value) || std::fabs(value) > LargestDay) return value;
    const CivilDate date = DateOf(value);
    if (step >= 365) return ValueOf(date.Year, 1, 1);
    if (step >= 28) return ValueOf(date.Year, date.Month, 1);
    if (step >= 15) return ValueOf(date.Year, date.Month, date.Day >= 15 ? 15 : 1);
    return std::floor(value);
}

double PreviousDateTimeLabel(double value, double step, bool exact) {
    if (!exact || step < 15 || !std::isfinite(value) || std::fabs(value) > LargestDay) return value - step;
    const CivilDate date = DateOf(value);
    if (step >= 365) return ValueOf(date.Year - std::max(1LL, std::llround(step / 365)), date.Month, 1);
    if (step >= 28) {
        const long long months = date.Year * 12 + (date.Month - 1) - std::max(1LL, std::llround(step / 30));
        return ValueOf(months / 12, static_cast<int>(months % 12) + 1, 1);
    }
    if (date.Day > 15) return ValueOf(date.Year, date.Month, 15);
    if (date.Day > 1) return ValueOf(date.Year, date.Month, 1);
    const long long months = date.Year * 12 + (date.Month - 1) - 1;
    return ValueOf(months / 12, static_cast<int>(months % 12) + 1, 15);
}
