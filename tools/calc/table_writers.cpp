#include "tools/calc/table_writers.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "tools/calc/json.h"

namespace kcalc {

namespace {

constexpr long long kAllRowsLimit = 10000;
constexpr long long kDefaultRowRange = 100;

void WriteCells(std::ostream& out, const kgr::TGearingResult& result, TRowRange rows, double kmPerUnit) {
    out << "\"Cells\": [";
    for (long long row = rows.first; row < rows.second && out; ++row) {
        out << (row == rows.first ? "\n  [" : ",\n  [");
        for (int col = 0; col < result.ColCount(); ++col)
            out << (col ? ", " : "") << JsonString(result.Cell(col, static_cast<int>(row), kmPerUnit));
        out << "]";
    }
    out << "\n]";
}

void WritePoints(std::ostream& out, const kgr::TGearingResult& result, double kmPerUnit) {
    out << "\"Points\": [";
    // Every line series in list order; the power band follows as its own object.
    for (int series = kgr::PowerBandIndex + 1; series < kgr::ChartSeriesCount; ++series) {
        out << (series > kgr::PowerBandIndex + 1 ? ",\n  [" : "\n  [");
        const auto& points = result.Points[series];
        for (std::size_t i = 0; i < points.size(); ++i)
            out << (i ? ", [" : "[") << JsonNumber(points[i].x / kmPerUnit) << ", " << JsonNumber(points[i].y)
                << "]";
        out << "]";
    }
    out << "\n]";
}

void WritePowerBand(std::ostream& out, const kgr::TGearingResult& result, double kmPerUnit) {
    out << "\"PowerBand\": ";
    if (const auto& band = result.PowerBand)
        out << "[" << JsonNumber(band->X0) << ", " << JsonNumber(band->Y0) << ", "
            << JsonNumber(band->X1 / kmPerUnit) << ", " << JsonNumber(band->Y1) << "]";
    else
        out << "null";
}

std::string TrimmedLeft(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

TRowRange VisibleRows(const kgr::TGearingResult& result, std::optional<TRowRange> asked) {
    const long long count = result.RowCount;
    TRowRange rows = asked.value_or(TRowRange{0, count > kAllRowsLimit ? kDefaultRowRange : count});
    return {std::min(rows.first, count), std::min(rows.second, count)};
}

void WriteTableJson(std::ostream& out, const kgr::TGearingResult& result, TRowRange rows,
                    const TUnits& units) {
    out << "{" << (units.Mph ? "\"Units\": \"mph\", " : "")
        << "\"Drawn\": " << (result.Drawn ? "true" : "false") << ", \"RowCount\": " << result.RowCount
        << ",\n";
    WriteCells(out, result, rows, units.KmPerUnit);
    out << ",\n\"MaxSpeed\": " << JsonNumber(result.MaxSpeed / units.KmPerUnit) << ",\n";
    WritePoints(out, result, units.KmPerUnit);
    out << ",\n";
    WritePowerBand(out, result, units.KmPerUnit);
    out << "}\n";
}

void WriteTableDelimited(std::ostream& out, const kgr::TGearingResult& result, TRowRange rows,
                         const TUnits& units, char between) {
    out << "rpm";
    for (int col = 1; col < result.ColCount(); ++col) out << between << result.Cell(col, 0);
    out << '\n';
    for (long long row = std::max(rows.first, 1LL); row < rows.second && out; ++row) {
        out << std::int64_t{row - 1} * 1000;
        for (int col = 1; col < result.ColCount(); ++col)
            out << between << TrimmedLeft(result.Cell(col, static_cast<int>(row), units.KmPerUnit));
        out << '\n';
    }
}

}  // namespace kcalc
