// kestrigo-calc: the gearing computation on the command line. The default form prints the window's
// table, lines and power band; "compare" and "sprockets" answer a tuner's two usual questions.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "core/version.h"
#include "tools/calc/forms.h"
#include "tools/calc/memory_inputs.h"
#include "tools/calc/texts.h"

namespace {

kcalc::TOutcome RunForm(const std::vector<std::string>& args) {
    const std::string form = args.empty() ? std::string() : args.front();
    if (form == "compare") return kcalc::RunCompareForm({args.begin() + 1, args.end()});
    if (form == "sprockets") return kcalc::RunSprocketsForm({args.begin() + 1, args.end()});
    return kcalc::RunTableForm(args);
}

kcalc::TOutcome Run(const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end())
        return {kcalc::TOutcome::Done, std::string(kcalc::Texts::Usage) + kcalc::Texts::Help, {}};
    if (std::find(args.begin(), args.end(), "--version") != args.end())
        return {kcalc::TOutcome::Done,
                std::string(kcalc::Texts::Program) + " " + kgr::KestrigoVersion + "\n",
                {}};
    const auto expanded = kcalc::ExpandMemory(args);
    if (expanded.Status != kcalc::TOutcome::Done) return {expanded.Status, {}, expanded.Error};
    return RunForm(expanded.Args);
}

}  // namespace

int main(int argc, char** argv) {
    // Only iostreams write: unsynchronised, they buffer a streamed table instead of going through stdio.
    std::ios::sync_with_stdio(false);
    const auto outcome = Run({argv + 1, argv + argc});
    if (outcome.Status != kcalc::TOutcome::Done) {
        std::cerr << kcalc::Texts::ErrorPrefix << outcome.Message << "\n";
        if (outcome.Status == kcalc::TOutcome::UsageError) {
            std::cerr << kcalc::Texts::Usage;
            return outcome.Status;
        }
    }
    std::cout << outcome.Output;
    if (outcome.Stream) outcome.Stream(std::cout);
    std::cout.flush();
    if (std::cout.good()) return outcome.Status;
    std::cerr << kcalc::Texts::ErrorPrefix << kcalc::Texts::CannotWrite << "\n";
    return kcalc::TOutcome::InputFailed;
}
