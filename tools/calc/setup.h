// The thirteen input texts of one drive train, checked for the forms that compute with them.
#pragma once

#include <string>
#include <vector>

#include "core/gearinginputs.h"

namespace kcalc {

struct TSetup {
    kgr::TParsedInputs Values;
    std::string Error;  // names the failed field; empty if the setup can be computed with
};

// The texts in input table order; full-width digits and signs, as a Japanese input method types
// them, read as the window reads them.
kgr::TGearingInputs ToInputs(const std::vector<std::string>& texts);

// Names the first field that does not parse, with its text; empty if every field parses.
std::string ParseError(const std::vector<std::string>& texts, char separator);

// Parses the texts; a field that does not parse, or a primary ratio or sprocket of 0, is an error.
TSetup ParseSetup(const std::vector<std::string>& texts, char separator);

// The highest gear (1 ... GearCount) that is not 0, or 0 if there is none.
int TopGear(const kgr::TParsedInputs& values);

}  // namespace kcalc
