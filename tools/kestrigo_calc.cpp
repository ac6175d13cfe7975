// kestrigo-calc: runs the gearing computation on thirteen inputs given on the command line and
// prints the result as one JSON object. A scripting aid; the window uses the same core.
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/gearing.h"

namespace {

constexpr int kInputCount = 13;
constexpr int kAllRowsLimit = 10000;
constexpr int kDefaultRowRange = 100;

const char kUsage[] =
    "usage: kestrigo-calc [--decimal-separator C] [--rows A:B] MAXK PBLOW PBHIGH PRIMARY DRIVE DRIVEN TIRE\n"
    "                     G1 G2 G3 G4 G5 G6\n"
    "Prints the speed table, chart lines and power band as one JSON object.\n"
    "  --decimal-separator C  decimal separator of the inputs and the table (default: the locale's)\n"
    "  --rows A:B             table rows A to B-1 (default: all rows up to 10000, else 0:100)\n";

struct TOptions {
    char Separator = '.';
    std::optional<std::pair<long long, long long>> Rows;
    std::vector<std::string> Inputs;
};

char LocaleSeparator() {
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    // The core takes a single-byte separator; multi-byte ones fall back to a full stop.
    return (point && point[0] != '\0' && point[1] == '\0') ? point[0] : '.';
}

std::optional<long long> ParseRowNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

std::optional<std::pair<long long, long long>> ParseRows(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto first = ParseRowNumber(text.substr(0, colon));
    const auto last = ParseRowNumber(text.substr(colon + 1));
    if (!first || !last || *last < *first) return std::nullopt;
    return std::make_pair(*first, *last);
}

// Options start with "--"; anything else (also "-1") is an input.
std::optional<TOptions> ParseArguments(int argc, char** argv) {
    TOptions options;
    options.Separator = LocaleSeparator();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--decimal-separator" && hasValue && std::string_view(argv[i + 1]).size() == 1) {
            options.Separator = argv[++i][0];
        } else if (arg == "--rows" && hasValue && ParseRows(argv[i + 1])) {
            options.Rows = ParseRows(argv[++i]);
        } else if (arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            options.Inputs.push_back(arg);
        }
    }
    if (options.Inputs.size() != kInputCount) return std::nullopt;
    return options;
}

kgr::TGearingInputs ToInputs(const std::vector<std::string>& texts) {
    kgr::TGearingInputs in{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], {}};
    std::copy(texts.begin() + 7, texts.end(), in.RatioT.begin());
    return in;
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x80) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);  // bytes beyond ASCII read as Latin-1
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void WriteCells(std::ostream& out, const kgr::TGearingResult& result, long long first, long long last) {
    out << "\"Cells\": [";
    for (long long row = first; row < last; ++row) {
        out << (row == first ? "\n  [" : ",\n  [");
        for (int col = 0; col < result.ColCount(); ++col)
            out << (col ? ", " : "") << JsonString(result.Cell(col, static_cast<int>(row)));
        out << "]";
    }
    out << "\n]";
}

void WritePoints(std::ostream& out, const kgr::TGearingResult& result) {
    out << "\"Points\": [";
    // Every line series in list order; the power band follows as its own object.
    for (int series = kgr::PowerBandIndex + 1; series < kgr::ChartSeriesCount; ++series) {
        out << (series > kgr::PowerBandIndex + 1 ? ",\n  [" : "\n  [");
        const auto& points = result.Points[series];
        for (std::size_t i = 0; i < points.size(); ++i)
            out << (i ? ", [" : "[") << JsonNumber(points[i].x) << ", " << JsonNumber(points[i].y) << "]";
        out << "]";
    }
    out << "\n]";
}

void WriteResult(std::ostream& out, const kgr::TGearingResult& result, const TOptions& options) {
    auto rows = std::make_pair(0LL, static_cast<long long>(result.RowCount));
    if (options.Rows)
        rows = *options.Rows;
    else if (result.RowCount > kAllRowsLimit)
        rows.second = kDefaultRowRange;
    rows.first = std::min<long long>(rows.first, result.RowCount);
    rows.second = std::min<long long>(rows.second, result.RowCount);
    out << "{\"Drawn\": " << (result.Drawn ? "true" : "false") << ", \"RowCount\": " << result.RowCount
        << ",\n";
    WriteCells(out, result, rows.first, rows.second);
    out << ",\n\"MaxSpeed\": " << JsonNumber(result.MaxSpeed) << ",\n";
    WritePoints(out, result);
    out << ",\n\"PowerBand\": ";
    if (const auto& band = result.PowerBand)
        out << "[" << JsonNumber(band->X0) << ", " << JsonNumber(band->Y0) << ", " << JsonNumber(band->X1)
            << ", " << JsonNumber(band->Y1) << "]";
    else
        out << "null";
    out << "}\n";
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseArguments(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    const auto result = kgr::ComputeGearing(ToInputs(options->Inputs), options->Separator);
    std::ostringstream out;
    WriteResult(out, result, *options);
    std::cout << out.str();
    return std::cout.good() ? 0 : 1;
}
