// The thirteen input fields of a drive train, defined once: their order (the input table's), the
// window's control names, the command line's names and how each is read. The window, the command
// line, the parser, the fuzz target and the tests all go by this table.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/gearinginputs.h"

namespace kgr {

enum class TFieldKind {
    fkThousands,  // a whole number of thousands of rpm
    fkNumber      // a decimal number in the locale's separator
};

struct TInputField {
    const char* Control;  // the window's edit field
    const char* Name;     // the command line's name for it
    TFieldKind Kind;
};

enum TInputFieldId { ifMaxRpm, ifPBLow, ifPBHigh, ifRatio1, ifRatio2drv, ifRatio2drvn, ifTire, ifRatioT1 };

inline constexpr std::array<TInputField, GearingInputCount> InputFields = {{
    {"E_MaxRPM", "MAXK", TFieldKind::fkThousands},
    {"E_PBLow", "PBLOW", TFieldKind::fkThousands},
    {"E_PBHigh", "PBHIGH", TFieldKind::fkThousands},
    {"E_Ratio1", "PRIMARY", TFieldKind::fkNumber},
    {"E_Ratio2drv", "DRIVE", TFieldKind::fkNumber},
    {"E_Ratio2drvn", "DRIVEN", TFieldKind::fkNumber},
    {"E_Tire", "TIRE", TFieldKind::fkNumber},
    {"E_RatioT1", "G1", TFieldKind::fkNumber},
    {"E_RatioT2", "G2", TFieldKind::fkNumber},
    {"E_RatioT3", "G3", TFieldKind::fkNumber},
    {"E_RatioT4", "G4", TFieldKind::fkNumber},
    {"E_RatioT5", "G5", TFieldKind::fkNumber},
    {"E_RatioT6", "G6", TFieldKind::fkNumber},
}};

// Gear g's name (index g - 1): the table's column headers and the transmission catalog's keys.
inline constexpr std::array<const char*, GearCount> GearNames = {"1st", "2nd", "3rd", "4th", "5th", "6th"};

using TInputTexts = std::array<std::string, GearingInputCount>;

// What is wrong with one field's text, if anything.
enum class TFieldFault {
    ffNone,
    ffNotThousands,  // not a whole number of thousands of rpm (fkThousands)
    ffNotNumber,     // not a decimal number (fkNumber)
    ffZero           // a primary ratio, drive or driven value of 0: nothing can be drawn
};

// The value of field `field` (input table order) read by the rule of its kind; nullopt when it does
// not read. Numbers use decimalSeparator.
std::optional<double> ParseInputField(int field, const std::string& text, char decimalSeparator);

// Checks the text of field `field` (input table order) by the rule of its kind, the same rule the
// computation reads it by; numbers use decimalSeparator.
TFieldFault CheckInputField(int field, const std::string& text, char decimalSeparator);

// The texts in input table order (fields beyond the end of `texts` are empty), and back.
TGearingInputs ToGearingInputs(std::span<const std::string> texts);
TInputTexts ToInputTexts(const TGearingInputs& inputs);

}  // namespace kgr
