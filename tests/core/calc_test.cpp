// Runs the built kestrigo-calc end to end.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct TRun {
    int Status = -1;
    std::string Output;
};

// Runs the tool with the given arguments (shell syntax); stderr is discarded.
TRun RunCalc(const std::string& arguments) {
    const std::string command =
        "LC_ALL=C " KESTRIGO_BINARY_DIR "/kestrigo-calc " + arguments + " 2>/dev/null";
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

const char kWorked[] = "10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0";

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
    EXPECT_EQ(RunCalc(std::string(kWorked) + " 7").Status, 2);
    EXPECT_EQ(RunCalc(std::string("--verbose ") + kWorked).Status, 2);
    EXPECT_EQ(RunCalc(std::string("--rows 5 ") + kWorked).Status, 2);
    EXPECT_EQ(RunCalc(std::string("--decimal-separator ab ") + kWorked).Status, 2);
    EXPECT_EQ(RunCalc(std::string(kWorked) + " --decimal-separator").Status, 2);
}

}  // namespace
