// kestrigo-calc: the gearing computation on the command line. The default form prints the window's
// table, lines and power band; "compare" and "sprockets" answer a tuner's two usual questions.
#include <algorithm>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include "core/version.h"
#include "tools/calc/arguments.h"
#include "tools/calc/forms.h"
#include "tools/calc/memory_inputs.h"
#include "tools/calc/texts.h"

namespace {

bool Asks(const std::vector<std::string>& args, std::initializer_list<const char*> names) {
    return std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
        return std::any_of(names.begin(), names.end(), [&](const char* name) { return arg == name; });
    });
}

kcalc::TOutcome Run(std::vector<std::string> args) {
    if (Asks(args, {"--help", "-h"}))
        return {kcalc::TOutcome::Done, std::string(kcalc::Texts::Usage) + kcalc::Texts::Help, {}};
    if (Asks(args, {"--version"}))
        return {kcalc::TOutcome::Done,
                std::string(kcalc::Texts::Program) + " " + kgr::KestrigoVersion + "\n",
                {}};
    // Options may come before the form's name too.
    const auto at = kcalc::FirstInput(args);
    const std::string form = at < args.size() ? args[at] : std::string();
    if (form == "compare" || form == "sprockets") args.erase(args.begin() + static_cast<std::ptrdiff_t>(at));
    // After the form's name is taken, so that a stored text can never be read as one.
    const auto expanded = kcalc::ExpandMemory(args);
    if (expanded.Status != kcalc::TOutcome::Done) return {expanded.Status, {}, expanded.Error};
    args = expanded.Args;
    if (form == "compare") return kcalc::RunCompareForm(args);
    if (form == "sprockets") return kcalc::RunSprocketsForm(args);
    return kcalc::RunTableForm(args);
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
