// "--memory TITLE" in place of the thirteen inputs: the setup stored under TITLE in the window's
// setting memory. The file is only read, never written.
#pragma once

#include <string>
#include <vector>

namespace kcalc {

struct TExpansion {
    std::vector<std::string> Args;
    int Status = 0;     // a TOutcome status; 0 when Args can be run
    std::string Error;  // why not
};

// The arguments with each "--memory TITLE" replaced by the stored inputs, read from `memoryPath`
// (the window's file when empty). The file is read only if "--memory" is given.
TExpansion ExpandMemory(const std::vector<std::string>& args, const std::string& memoryPath = {});

}  // namespace kcalc
