// Runs the built kestrigo-calc end to end under the C locale.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace kcalc_test {

struct TRun {
    int Status = -1;
    std::string Output;
};

// Runs the tool with the given arguments and redirections (shell syntax); Output is what the pipe reads.
inline TRun RunCalcShell(const std::string& arguments, const std::string& redirections) {
    const std::string command = "LC_ALL=C " KESTRIGO_BINARY_DIR "/kestrigo-calc " + arguments + redirections;
    TRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    std::size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.Output.append(buffer.data(), count);
    const int status = pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Runs the tool with the given arguments (shell syntax). Output is stdout, or stderr when errors is set.
inline TRun RunCalc(const std::string& arguments, bool errors = false) {
    return RunCalcShell(arguments, errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
}

// Runs the tool with stdout sent to the file `target`; Output is stderr.
inline TRun RunCalcInto(const std::string& arguments, const std::string& target) {
    return RunCalcShell(arguments, " 2>&1 >" + target);
}

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline const std::string kWorked = "10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0";
inline const std::string kWorked16 = "10 6 8 3 16 45 600 2.5 1.8 1.4 1.15 1 0";

}  // namespace kcalc_test
