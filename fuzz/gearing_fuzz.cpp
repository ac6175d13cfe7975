// ComputeGearing on thirteen texts (the input's lines, in the order of the input table), with either
// decimal separator. Promises: no number in the result is infinite or NaN; a result whose inputs all
// parse has maxK + 2 rows (at least 1), any other has 2; a drawn result's power band reaches MaxSpeed
// and every speed cell of the table parses back and is at most MaxSpeed as the table shows it.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/gearing.h"
#include "core/inputfields.h"
#include "core/numbertext.h"
#include "fuzz/fuzzcheck.h"

namespace {

using kgr::fuzz::Require;

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines(kgr::GearingInputCount);
    for (std::string& line : lines) {
        const std::size_t end = text.find('\n');
        line = std::string(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

void CheckSpeedRow(const kgr::TGearingResult& result, int row, char separator) {
    const auto shownMax = kgr::ParseFloat(kgr::FormatFixed(result.MaxSpeed, 4, 1, separator), separator);
    for (int col = 1; col < result.ColCount(); ++col) {
        const auto speed = kgr::ParseFloat(result.Cell(col, row), separator);
        Require(speed.has_value(), "a speed cell parses back");
        Require(*speed <= *shownMax, "no speed cell exceeds MaxSpeed");
    }
}

void Check(const std::vector<std::string>& texts, char separator) {
    const kgr::TGearingInputs inputs = kgr::ToGearingInputs(texts);
    const kgr::TGearingResult result = kgr::ComputeGearing(inputs, separator);
    Require(std::isfinite(result.MaxSpeed) && result.MaxSpeed >= 0, "MaxSpeed is finite and not negative");
    for (const auto& points : result.Points)
        for (const kgr::TPointXY& p : points)
            Require(std::isfinite(p.x) && std::isfinite(p.y), "points are finite");
    const kgr::TInputsParse parse = kgr::ParseGearingInputs(inputs, separator);
    Require(result.RowCount == (parse.Ok() ? std::max(parse.Values.MaxK + 2, 1) : 2),
            "RowCount follows maxK");
    if (!result.Drawn) return;
    Require(result.PowerBand.has_value(), "a drawn result has its power band");
    const kgr::TPowerBand& band = *result.PowerBand;
    Require(std::isfinite(band.X0) && std::isfinite(band.Y0) && std::isfinite(band.Y1), "the band is finite");
    Require(band.X1 == result.MaxSpeed, "the band reaches MaxSpeed");
    const int last = result.RowCount - 1;
    for (const int row : {1, 2, last / 2, last - 1, last})
        if (row >= 1 && row <= last) CheckSpeedRow(result, row, separator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> texts = Lines(kgr::fuzz::AsText(data, size));
    Check(texts, '.');
    Check(texts, ',');
    return 0;
}
