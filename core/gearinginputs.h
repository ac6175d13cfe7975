// The thirteen input texts of the calculator parsed into numbers. Shared by the computation and
// the command-line tool, which must report which field failed.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace kgr {

// Gears of the transmission: the inputs, the table's columns and the chart's lines have one each.
constexpr int GearCount = 6;
// The inputs: engine speeds, drive train and tyre, then one ratio per gear.
constexpr int GearingInputCount = 7 + GearCount;

// The input texts in the order of the input table.
struct TGearingInputs {
    std::string MaxRpm;                         // maxK, thousands of rpm (integer)
    std::string PBLow;                          // pbLowK, thousands of rpm (integer)
    std::string PBHigh;                         // pbHighK, thousands of rpm (integer)
    std::string Ratio1;                         // primary ratio
    std::string Ratio2drv;                      // secondary drive value
    std::string Ratio2drvn;                     // secondary driven value
    std::string Tire;                           // tyre diameter, mm
    std::array<std::string, GearCount> RatioT;  // gear 1 ... gear 6, 0 = no such gear
};

struct TParsedInputs {
    std::int32_t MaxK = 0;
    std::int32_t PBLowK = 0;
    std::int32_t PBHighK = 0;
    double Primary = 0;
    double Drive = 0;
    double Driven = 0;
    double Tire = 0;
    std::array<double, GearCount> Gears{};
};

struct TInputsParse {
    TParsedInputs Values;
    // Position (0 ... 12, input table order) of the first field that does not parse, or -1.
    int FailedField = -1;

    bool Ok() const { return FailedField < 0; }
};

// Engine speeds are typed in thousands and multiplied by 1000 in 32-bit arithmetic (pbLowK also
// less 1): the largest magnitude whose product stays in that range.
constexpr std::int32_t MaxThousands = std::numeric_limits<std::int32_t>::max() / 1000;

// A whole number of thousands of rpm: the integer syntax, at most MaxThousands in magnitude.
std::optional<std::int32_t> ParseThousands(std::string_view text);

// Parses the texts (numbers use decimalSeparator). Engine speeds must stay within 32 bits once
// multiplied by 1000, otherwise the field counts as unparsable.
TInputsParse ParseGearingInputs(const TGearingInputs& inputs, char decimalSeparator);

}  // namespace kgr
