#include "tools/calc/memory_inputs.h"

#include <algorithm>
#include <optional>

#include "core/inputfields.h"
#include "memory/settingmemory.h"
#include "tools/calc/echo.h"
#include "tools/calc/forms.h"
#include "tools/calc/texts.h"

namespace kcalc {

namespace {

constexpr std::string_view kOption = "--memory";
constexpr std::string_view kOptionWithValue = "--memory=";

bool IsMemoryOption(const std::string& arg) {
    return arg == kOption || arg.rfind(kOptionWithValue, 0) == 0;
}

// The thirteen texts of `title`, or the error that stops the run.
TExpansion StoredInputs(const kgr::TSettingMemory& memory, const std::string& title) {
    const auto row = memory.Find(QString::fromStdString(title));
    const std::string file = memory.Path().toStdString();
    if (!row)
        return {
            {}, TOutcome::InputFailed, Texts::UnknownMemoryTitle + Echo(title) + Texts::InMemoryFile + file};
    TExpansion stored;
    const kgr::TMemoryEntry& entry = memory.Entries()[*row];
    for (std::size_t i = 0; i < entry.Fields.size(); ++i) {
        std::string text = entry.Fields[i].toStdString();
        // Would read as an option or a group separator instead of an input.
        if (text.rfind("--", 0) == 0)
            return {{},
                    TOutcome::InputFailed,
                    Texts::MemoryEntry + Echo(title) + "\": " + Texts::NotANumber + kgr::InputFields[i].Name +
                        " \"" + Echo(text) + "\""};
        stored.Args.push_back(std::move(text));
    }
    return stored;
}

}  // namespace

TExpansion ExpandMemory(const std::vector<std::string>& args, const std::string& memoryPath) {
    if (std::none_of(args.begin(), args.end(), IsMemoryOption)) return {args, 0, {}};
    if (args.back() == kOption) return {{}, TOutcome::UsageError, Texts::MissingValue + args.back()};
    kgr::TSettingMemory memory(memoryPath.empty() ? kgr::TSettingMemory::DefaultPath()
                                                  : QString::fromStdString(memoryPath));
    memory.Load();
    if (memory.Damaged())
        return {{}, TOutcome::InputFailed, Texts::DamagedMemory + memory.Path().toStdString()};
    TExpansion expanded;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!IsMemoryOption(args[i])) {
            expanded.Args.push_back(args[i]);
            continue;
        }
        const std::string title = args[i] == kOption ? args[++i] : args[i].substr(kOptionWithValue.size());
        TExpansion stored = StoredInputs(memory, title);
        if (stored.Status != 0) return stored;
        expanded.Args.insert(expanded.Args.end(), stored.Args.begin(), stored.Args.end());
    }
    return expanded;
}

}  // namespace kcalc
