// The tool's three forms. Each takes the arguments after its name and says what to print.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace kcalc {

struct TOutcome {
    enum { Done = 0, InputFailed = 1, UsageError = 2 };
    TOutcome() = default;
    TOutcome(int status, std::string output, std::string message,
             std::function<void(std::ostream&)> stream = {})
        : Status(status), Output(std::move(output)), Message(std::move(message)), Stream(std::move(stream)) {}

    int Status = Done;
    std::string Output;   // for stdout unless a usage error
    std::string Message;  // for stderr unless Done
    // Written to stdout after Output: a table of millions of rows goes out as it is formatted
    // instead of being held in memory.
    std::function<void(std::ostream&)> Stream;
};

// kestrigo-calc [options] <13 inputs>: the table, lines and power band.
TOutcome RunTableForm(const std::vector<std::string>& args);

// kestrigo-calc compare [options] <13 inputs> -- <13 inputs>.
TOutcome RunCompareForm(const std::vector<std::string>& args);

// kestrigo-calc sprockets [options] <13 inputs>.
TOutcome RunSprocketsForm(const std::vector<std::string>& args);

}  // namespace kcalc
