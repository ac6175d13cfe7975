#include <limits>
#include <memory>
#include <optional>

#include "core/gearing.h"
#include "core/inputfields.h"
#include "core/localeseparator.h"
#include "tools/calc/arguments.h"
#include "tools/calc/forms.h"
#include "tools/calc/setup.h"
#include "tools/calc/table_writers.h"
#include "tools/calc/texts.h"

namespace kcalc {

namespace {

enum class TFormat { Json, Csv, Tsv };

struct TTableOptions {
    char Separator = '.';
    std::optional<TRowRange> Rows;
    TFormat Format = TFormat::Json;
    TUnits Units;
};

std::optional<TFormat> ParseFormat(std::string_view text) {
    if (text == "json") return TFormat::Json;
    if (text == "csv") return TFormat::Csv;
    if (text == "tsv") return TFormat::Tsv;
    return std::nullopt;
}

std::vector<TOptionSpec> TableSpecs(TTableOptions& o) {
    const auto rows = [](std::string_view v) {
        return ParseRange(v, 0, std::numeric_limits<long long>::max());
    };
    return {SeparatorOption(o.Separator),
            {"--rows", Into(o.Rows, rows), Texts::ExpectRows},
            {"--format", Into(o.Format, ParseFormat), Texts::ExpectFormat},
            {"--units", Into(o.Units, ParseUnits), Texts::ExpectUnits}};
}

// A comma inside the numbers would split csv fields: such tables use semicolons instead.
char FieldSeparator(TFormat format, char decimalSeparator) {
    if (format == TFormat::Tsv) return '\t';
    return decimalSeparator == ',' ? ';' : ',';
}

}  // namespace

TOutcome RunTableForm(const std::vector<std::string>& args) {
    TTableOptions options;
    options.Separator = kgr::LocaleDecimalSeparator();
    const auto scan = ScanArguments(args, TableSpecs(options));
    if (!scan.Error.empty()) return {TOutcome::UsageError, {}, scan.Error};
    if (const auto error = SingleSetupError(scan); !error.empty()) return {TOutcome::UsageError, {}, error};
    // Shared, not copied: the writer is a std::function, which must be copyable.
    auto result = std::make_shared<const kgr::TGearingResult>(
        kgr::ComputeGearing(ToInputs(scan.Groups[0]), options.Separator));
    const auto rows = VisibleRows(*result, options.Rows);
    // A field that does not parse fails the run; the table still shows what the window would.
    const std::string error = ParseError(scan.Groups[0], options.Separator);
    return {error.empty() ? TOutcome::Done : TOutcome::InputFailed,
            {},
            error,
            [result, rows, options](std::ostream& out) {
                if (options.Format == TFormat::Json)
                    WriteTableJson(out, *result, rows, options.Units);
                else
                    WriteTableDelimited(out, *result, rows, options.Units,
                                        FieldSeparator(options.Format, options.Separator));
            }};
}

}  // namespace kcalc
