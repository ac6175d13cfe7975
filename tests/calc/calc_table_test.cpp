// The default form end to end: the historical JSON, and the table as csv/tsv.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/calc/run_calc.h"

namespace {

using kcalc_test::kWorked;
using kcalc_test::RunCalc;

TEST(Calc, PrintsTheWorkedExample) {
    const auto run = RunCalc(kWorked);
    ASSERT_EQ(run.Status, 0);
    const auto& out = run.Output;
    EXPECT_EQ(out.rfind("{\"Drawn\": true, \"RowCount\": 12,", 0), 0u) << out;
    EXPECT_NE(out.find(R"(["", "1st", "2nd", "3rd", "4th", "5th", "6th"])"), std::string::npos);
    EXPECT_NE(out.find(R"(["8000rpm", "40.2", "55.9", "71.8", "87.4", "100.5", " 0.0"])"), std::string::npos);
    EXPECT_NE(out.find(R"(["10000rpm", "50.3", "69.8", "89.8", "109.3", "125.7", " 0.0"]
])"),
              std::string::npos);
    EXPECT_NE(out.find("\"MaxSpeed\": 125.66370614359172,"), std::string::npos);
    EXPECT_NE(out.find("[[0, 0], [40.212385965949345, 8000]]"), std::string::npos);
    EXPECT_NE(out.find("[[75.398223686155035, 6000], [125.66370614359172, 10000]]"), std::string::npos);
    EXPECT_NE(out.find("\"PowerBand\": [0, 5999, 125.66370614359172, 8000]}"), std::string::npos);
}

TEST(Calc, FullWidthInputsReadAsTheirAsciiForms) {
    // As a Japanese input method types them: digits, full stop, minus, and the ideographic space.
    const auto run =
        RunCalc("'１０' ６ ８ ３ １５ ４５ '\u3000６００\u3000' ２．５ １．８ １．４ １．１５ １ ０");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Output, RunCalc(kWorked).Output);
    EXPECT_TRUE(kcalc_test::Has(
        RunCalc("--format tsv ９ ６ ８ ３ １５ ４５ ６００ ２．５ ０ ０ ０ ０ ０").Output, "\n9000\t45.2\t"));
    EXPECT_TRUE(kcalc_test::Has(RunCalc("－１ ６ ８ ３ １５ ４５ ６００ ２．５ ０ ０ ０ ０ ０").Output,
                                "\"RowCount\": 1,"));
}

TEST(Calc, SeparatorRowsAndFailedInputs) {
    auto run = RunCalc("--decimal-separator , --rows 9:10 10 6 8 3 15 45 600 2,5 1,8 1,4 1,15 1 0");
    ASSERT_EQ(run.Status, 0);
    EXPECT_NE(
        run.Output.find(
            "\"Cells\": [\n  [\"8000rpm\", \"40,2\", \"55,9\", \"71,8\", \"87,4\", \"100,5\", \" 0,0\"]\n]"),
        std::string::npos)
        << run.Output;
    run = RunCalc("10 6 8 1e-305 15 45 600 2.5 1.8 1.4 1.15 1 0");
    ASSERT_EQ(run.Status, 0);
    EXPECT_NE(run.Output.find("\"Drawn\": false, \"RowCount\": 12"), std::string::npos);
    EXPECT_NE(run.Output.find("\"PowerBand\": null}"), std::string::npos);
    EXPECT_EQ(run.Output.find("inf"), std::string::npos);
}

TEST(Calc, LargeTablesPrintTheFirstHundredRows) {
    const auto run = RunCalc("2147483 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0");
    ASSERT_EQ(run.Status, 0);
    EXPECT_NE(run.Output.find("\"RowCount\": 2147485"), std::string::npos);
    EXPECT_NE(run.Output.find("[\"98000rpm\""), std::string::npos);
    EXPECT_EQ(run.Output.find("[\"99000rpm\""), std::string::npos);
}

TEST(Calc, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunCalc("").Status, 2);
    EXPECT_EQ(RunCalc("1 2 3").Status, 2);
    EXPECT_EQ(RunCalc(kWorked + " 7").Status, 2);
    EXPECT_EQ(RunCalc("--verbose " + kWorked).Status, 2);
    EXPECT_EQ(RunCalc("--rows 5 " + kWorked).Status, 2);
    EXPECT_EQ(RunCalc("--decimal-separator ab " + kWorked).Status, 2);
    EXPECT_EQ(RunCalc(kWorked + " --decimal-separator").Status, 2);
    EXPECT_EQ(RunCalc("--format xml " + kWorked).Status, 2);
    EXPECT_EQ(RunCalc("--units kph " + kWorked).Status, 2);
    EXPECT_EQ(RunCalc(kWorked + " --units").Status, 2);
    EXPECT_EQ(RunCalc(kWorked + " -- " + kWorked).Status, 2);
    const auto errors = RunCalc("--format xml " + kWorked, true).Output;
    EXPECT_NE(errors.find("--format"), std::string::npos) << errors;
    EXPECT_NE(errors.find("usage: kestrigo-calc"), std::string::npos) << errors;
}

std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, at);) parts.push_back(part);
    if (!text.empty() && text.back() == at) parts.emplace_back();
    return parts;
}

// The string rows of the JSON's "Cells".
std::vector<std::vector<std::string>> JsonCells(const std::string& json) {
    const auto begin = json.find("\"Cells\": [");
    const auto end = json.find("\n]", begin);
    std::vector<std::vector<std::string>> rows;
    for (const auto& line : Split(json.substr(begin, end - begin), '\n')) {
        if (line.rfind("  [", 0) != 0) continue;
        const std::regex quoted("\"([^\"]*)\"");
        auto& row = rows.emplace_back();
        for (std::sregex_iterator it(line.begin(), line.end(), quoted), last; it != last; ++it)
            row.push_back((*it)[1]);
    }
    return rows;
}

std::string WithoutLeadingBlanks(const std::string& text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// Each csv/tsv line is its JSON row: rpm without "rpm", speeds without padding.
void ExpectSameTable(const std::string& options, const std::string& format, char between) {
    const auto json = RunCalc(options);
    const auto table = RunCalc("--format " + format + " " + options);
    ASSERT_EQ(json.Status, 0);
    ASSERT_EQ(table.Status, 0);
    auto cells = JsonCells(json.Output);
    if (!cells.empty() && cells[0][0].empty()) cells.erase(cells.begin());  // the header row
    const auto lines = Split(table.Output, '\n');
    std::string header = "rpm";
    for (const char* name : {"1st", "2nd", "3rd", "4th", "5th", "6th"}) header += between + std::string(name);
    ASSERT_EQ(lines.size(), cells.size() + 2)
        << options;  // the header, and the empty end after the last newline
    EXPECT_EQ(lines[0], header);
    for (std::size_t row = 0; row < cells.size(); ++row) {
        const auto fields = Split(lines[row + 1], between);
        ASSERT_EQ(fields.size(), 7u) << lines[row + 1];
        EXPECT_EQ(fields[0] + "rpm", cells[row][0]);
        for (int col = 1; col < 7; ++col)
            EXPECT_EQ(fields[col], WithoutLeadingBlanks(cells[row][col])) << options;
    }
}

TEST(CalcTable, CsvAndTsvCarryTheJsonCells) {
    const std::string cases[] = {
        kWorked,
        "--units mph " + kWorked,
        "--rows 9:11 " + kWorked,
        "10 6 8 0 15 45 600 2.5 1.8 1.4 1.15 1 0",       // not drawn: empty speeds
        "2147483 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0",  // huge: the first hundred rows
        "--rows 2147400:2147500 2147483 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0",
    };
    for (const auto& options : cases) {
        ExpectSameTable(options, "csv", ',');
        ExpectSameTable(options, "tsv", '\t');
    }
    ExpectSameTable("--decimal-separator , 10 6 8 3 15 45 600 2,5 1,8 1,4 1,15 1 0", "csv", ';');
    ExpectSameTable("--decimal-separator , 10 6 8 3 15 45 600 2,5 1,8 1,4 1,15 1 0", "tsv", '\t');
}

TEST(CalcTable, CsvLinesAsASpreadsheetReadsThem) {
    auto run = RunCalc("--format csv --rows 0:10 " + kWorked);
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(run.Output.rfind("rpm,1st,2nd,3rd,4th,5th,6th\n0,0.0,0.0,0.0,0.0,0.0,0.0\n", 0), 0u)
        << run.Output;
    EXPECT_NE(run.Output.find("\n8000,40.2,55.9,71.8,87.4,100.5,0.0\n"), std::string::npos);
    run = RunCalc("--format csv 10 6 8 0 15 45 600 2.5 1.8 1.4 1.15 1 0");
    EXPECT_NE(run.Output.find("\n8000,,,,,,\n"), std::string::npos) << run.Output;
    run = RunCalc("--format csv -1 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0");
    EXPECT_EQ(run.Output, "rpm,1st,2nd,3rd,4th,5th,6th\n");
}

// Two million rows go out as they are formatted: a reader that stops after two lines ends the run.
TEST(CalcTable, AHugeTableStreamsToAReaderThatStopsEarly) {
    const auto run =
        RunCalc("--format csv --rows 0:2000001 2000000 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0 | head -n 2");
    EXPECT_EQ(run.Output, "rpm,1st,2nd,3rd,4th,5th,6th\n0,0.0,0.0,0.0,0.0,0.0,0.0\n");
}

TEST(CalcTable, MphConvertsEverySpeedBeforeRounding) {
    EXPECT_EQ(RunCalc("--units kmh " + kWorked).Output, RunCalc(kWorked).Output);
    const auto run = RunCalc("--units mph " + kWorked);
    ASSERT_EQ(run.Status, 0);
    const auto& out = run.Output;
    EXPECT_EQ(out.rfind("{\"Units\": \"mph\", \"Drawn\": true, \"RowCount\": 12,", 0), 0u) << out;
    // 100.53 km/h is 62.47 mph; the rounded 100.5 would give 62.4.
    EXPECT_NE(out.find(R"(["8000rpm", "25.0", "34.7", "44.6", "54.3", "62.5", " 0.0"])"), std::string::npos);
    // 40 pi km/h = 125.6637 km/h = 78.0838 mph at 10000 rpm in fifth.
    EXPECT_NE(out.find("\"MaxSpeed\": 78.0838069"), std::string::npos);
    EXPECT_NE(out.find("[[0, 0], [78.0838069"), std::string::npos);
    EXPECT_NE(out.find("\"PowerBand\": [0, 5999, 78.0838069"), std::string::npos);
    EXPECT_EQ(out.find("125.66"), std::string::npos);
}

}  // namespace
