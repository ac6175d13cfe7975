// The tool's three forms. Each takes the arguments after its name and says what to print.
#pragma once

#include <string>
#include <vector>

namespace kcalc {

struct TOutcome {
    enum { Done = 0, InputFailed = 1, UsageError = 2 };
    int Status = Done;
    std::string Output;   // for stdout when Done
    std::string Message;  // for stderr otherwise
};

// kestrigo-calc [options] <13 inputs>: the table, lines and power band.
TOutcome RunTableForm(const std::vector<std::string>& args);

// kestrigo-calc compare [options] <13 inputs> -- <13 inputs>.
TOutcome RunCompareForm(const std::vector<std::string>& args);

// kestrigo-calc sprockets [options] <13 inputs>.
TOutcome RunSprocketsForm(const std::vector<std::string>& args);

}  // namespace kcalc
