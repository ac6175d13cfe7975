// What a user's slips and a broken output do to the tool: a script must learn of them from the exit
// status, and nothing that reaches it may read as a valid but different number.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tests/calc/run_calc.h"

namespace {

using kcalc_test::Has;
using kcalc_test::kWorked;
using kcalc_test::RunCalc;
using kcalc_test::RunCalcInto;

TEST(CalcMistakes, AnInputThatDoesNotParseFailsTheTableForm) {
    // A comma typed under a locale with full stops, a typo, and a maximum beyond 32 bits x 1000.
    const struct {
        std::string Inputs, Field;
    } cases[] = {{"10 6 8 3 15 45 600 2,5 1.8 1.4 1.15 1 0", "G1 \"2,5\""},
                 {"10 6 8 3 1x 45 600 2.5 1.8 1.4 1.15 1 0", "DRIVE \"1x\""},
                 {"2147484 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0", "MAXK \"2147484\""}};
    for (const auto& c : cases) {
        for (const std::string format : {"json", "csv", "tsv"}) {
            const auto errors = RunCalc("--format " + format + " " + c.Inputs, true);
            EXPECT_EQ(errors.Status, 1) << c.Inputs << " " << format;
            EXPECT_TRUE(Has(errors.Output, "not a valid number: " + c.Field)) << errors.Output;
            EXPECT_FALSE(Has(errors.Output, "usage:")) << errors.Output;
        }
        // What the window shows then is still printed, as before.
        EXPECT_TRUE(Has(RunCalc(c.Inputs).Output, "{\"Drawn\": false, \"RowCount\": 2,")) << c.Inputs;
        EXPECT_EQ(RunCalc("--format csv " + c.Inputs).Output, "rpm,1st,2nd,3rd,4th,5th,6th\n0,,,,,,\n");
    }
    // Not drawn, yet every input parsed: the window's own answer, no failure.
    EXPECT_EQ(RunCalc("10 6 8 0 15 45 600 2.5 1.8 1.4 1.15 1 0").Status, 0);
}

TEST(CalcMistakes, ADecimalSeparatorThatWouldChangeNumbersIsRefused) {
    // "5" would read 15 as 1.5, "e" would read 2e5 as 2.5; blanks, controls and quotes break
    // the fields of csv and tsv lines.
    // A lone byte of a multi-byte character would be no text in csv, tsv or JSON.
    for (const std::string separator :
         {"5", "0", "e", "E", "+", "-", "' '", "'\t'", "'\n'", "'\"'", "\"$(printf '\\245')\"", "ä"}) {
        const auto run = RunCalc("--format csv --decimal-separator " + separator + " " + kWorked, true);
        EXPECT_EQ(run.Status, 2) << separator;
        EXPECT_TRUE(Has(run.Output, "bad value for --decimal-separator")) << separator << run.Output;
    }
    for (const std::string separator : {",", ";", "x", "_", "/"}) {
        const std::string option = "--rows 9:10 --decimal-separator '" + separator + "' ";
        const auto ok =
            RunCalc("--format tsv " + option + "10 6 8 3 15 45 600 '2" + separator + "5' 1 1 1 1 0");
        EXPECT_EQ(ok.Status, 0) << separator;
        EXPECT_TRUE(Has(ok.Output, "\n8000\t40" + separator + "2\t100" + separator + "5\t")) << ok.Output;
    }
    EXPECT_EQ(RunCalc("compare --decimal-separator 1 " + kWorked + " -- " + kWorked).Status, 2);
    EXPECT_EQ(RunCalc("sprockets --change 5 --decimal-separator 1 " + kWorked).Status, 2);
}

TEST(CalcMistakes, MessagesNameTheRuleThatWasBroken) {
    const std::string gears = " 3 15 45 600 2.5 1.8 1.4 1.15 1 0";
    const struct {
        std::string Args, Message;
    } cases[] = {
        {"10.5 6 8" + gears,
         "not a valid number: MAXK \"10.5\" (MAXK, PBLOW and PBHIGH are whole numbers of thousands of rpm)"},
        {"compare " + kWorked + " -- 10 6 8.5" + gears, "setup B: not a valid number: PBHIGH \"8.5\" (MAXK,"},
        {"2147484 6 8" + gears, "not a valid number: MAXK \"2147484\" (number too large)"},
        {"--rows 0:99999999999999999999 " + kWorked,
         "bad value for --rows: 0:99999999999999999999 (number too large; expects A:B"},
        {"sprockets --change 5 --count 99999999999999999999 " + kWorked, "(number too large; expects"},
        // Beyond the double range, in any field or option that takes a number; thousands beyond 32 bits
        // also in hex.
        {"1e400 6 8" + gears, "not a valid number: MAXK \"1e400\" (number too large)"},
        {"'$FFFFFF' 6 8" + gears, "not a valid number: MAXK \"$FFFFFF\" (number too large)"},
        {"10 6 8 3 15 45 10.5e400 2.5 1.8 1.4 1.15 1 0",
         "not a valid number: TIRE \"10.5e400\" (number too large)"},
        {"--decimal-separator , 10 6 8 3 15 45 600 -2,5E999 1 1 1 1 0", "G1 \"-2,5E999\" (number too large)"},
        {"compare " + kWorked + " -- 10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 " + std::string(400, '9'),
         "setup B: not a valid number: G6 \"" + std::string(400, '9') + "\" (number too large)"},
        {"sprockets --top-speed 1e400 " + kWorked,
         "--top-speed: 1e400 (number too large; expects a number above 0"},
        {"compare --cruise=1e999 " + kWorked + " -- " + kWorked,
         "--cruise: 1e999 (number too large; expects"},
        // Far below the range is no number too large.
        {"sprockets --change -1e400 " + kWorked, "--change: -1e400 (expects a number above -100"},
        {"10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 1x", "not a valid number: G6 \"1x\"\n"}};
    for (const auto& c : cases) {
        const auto run = RunCalc(c.Args, true);
        EXPECT_NE(run.Status, 0) << c.Args;
        EXPECT_TRUE(Has(run.Output, c.Message)) << c.Args << "\n" << run.Output;
    }
}

TEST(CalcMistakes, EchoedInputCannotControlTheTerminal) {
    // An escape sequence, a bell and a lone byte that is no UTF-8; a whole UTF-8 character stays.
    const std::string bad = "\"$(printf '\\033]0;x\\007\\377')ä\"";
    const std::string shown = "\\x1b]0;x\\x07\\xffä";
    const std::string gears = " 3 15 45 600 2.5 1.8 1.4 1.15 1 0";
    for (const std::string& args :
         {"10 6 " + bad + gears, "--format csv --" + bad + " " + kWorked, "--units " + bad + " " + kWorked,
          "compare --units=" + bad + " " + kWorked + " -- " + kWorked,
          "compare " + kWorked + " -- 10 6 " + bad + gears, "sprockets --change 5 10 6 " + bad + gears}) {
        const auto run = RunCalc(args, true);
        EXPECT_NE(run.Status, 0) << args;
        EXPECT_TRUE(Has(run.Output, shown)) << args << "\n" << run.Output;
        EXPECT_FALSE(Has(run.Output, "\x1b") || Has(run.Output, "\x07") || Has(run.Output, "\xff")) << args;
    }
}

TEST(CalcMistakes, NoPerCentOfATopSpeedBeyondRange) {
    // 15/45 in first runs past the double range (see the sprocket search's tests), 12/54 does not.
    const std::string beyond = "10 6 8 1e-10 15 45 3.44e298 1 0 0 0 0 0";
    auto run = RunCalc("sprockets --change 5 " + beyond, true);
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(Has(run.Output, "--change needs")) << run.Output;
    run = RunCalc("sprockets --change 5 10 6 8 3 15 45 0 2.5 1.8 1.4 1.15 1 0", true);  // tyre 0: no speed
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(Has(run.Output, "--change needs")) << run.Output;
    run = RunCalc("sprockets --top-speed 1e308 --front 12:12 --rear 54:54 " + beyond);
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(Has(run.Output, "\"Change\": null}")) << run.Output;
    run = RunCalc("compare " + beyond + " -- 10 6 8 1e-10 12 54 3.44e298 1 0 0 0 0 0");
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(Has(run.Output, "\"A\": {\"Overall\": 3e-10, \"TopSpeed\": null,")) << run.Output;
    EXPECT_TRUE(Has(run.Output, "\"TopSpeedChange\": null},\n  {\"Gear\": 2,")) << run.Output;
    EXPECT_TRUE(Has(run.Output, "\"SpeedChange\": null}")) << run.Output;
}

TEST(CalcMistakes, AnOutputThatCannotBeWrittenIsReported) {
    for (const std::string& args : std::initializer_list<std::string>{
             kWorked, "--format csv " + kWorked, "compare " + kWorked + " -- " + kWorked,
             "sprockets --change 5 " + kWorked, "--help", "--version"}) {
        const auto run = RunCalcInto(args, "/dev/full");
        EXPECT_EQ(run.Status, 1) << args;
        EXPECT_TRUE(Has(run.Output, "kestrigo-calc: cannot write the output")) << args << run.Output;
    }
    EXPECT_EQ(RunCalcInto(kWorked, "/dev/null").Output, "");
}

}  // namespace
