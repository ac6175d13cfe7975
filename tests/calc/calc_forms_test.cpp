// compare, sprockets, --help and --version end to end: what a script reads, exit statuses and messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/version.h"
#include "tests/calc/run_calc.h"

namespace {

using kcalc_test::Has;
using kcalc_test::kWorked;
using kcalc_test::kWorked16;
using kcalc_test::RunCalc;

TEST(CalcCompare, PrintsBothSetupsPerGearAsJson) {
    // The figures are compare_test's; here the form: units and cruise first, one record per gear
    // (null where a setup lacks the gear), then the change in speed.
    const auto run = RunCalc("compare " + kWorked + " -- " + kWorked16);
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(run.Output.rfind("{\"Units\": \"km/h\", \"Cruise\": 100,\n\"Gears\": [\n  {\"Gear\": 1, \"A\": "
                               "{\"Overall\": 22.5, \"TopSpeed\": ",
                               0),
              0u)
        << run.Output;
    EXPECT_TRUE(Has(run.Output,
                    "{\"Gear\": 6, \"A\": null, \"B\": null, \"TopSpeedChange\": null}\n],\n"
                    "\"SpeedChange\": 6.66666666666"))
        << run.Output;
    const auto mph = RunCalc("compare --units mph --cruise 60 " + kWorked + " -- " + kWorked);
    ASSERT_EQ(mph.Status, 0);
    EXPECT_EQ(mph.Output.rfind("{\"Units\": \"mph\", \"Cruise\": 60,", 0), 0u) << mph.Output;
}

TEST(CalcCompare, FailedInputsNameTheSetupAndTheField) {
    auto run = RunCalc("compare " + kWorked + " -- 10 6 8 3 1x 45 600 2.5 1.8 1.4 1.15 1 0", true);
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(Has(run.Output, "setup B") && Has(run.Output, "DRIVE \"1x\"")) << run.Output;
    run = RunCalc("compare 10 6 8 0 15 45 600 2.5 1.8 1.4 1.15 1 0 -- " + kWorked, true);
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(Has(run.Output, "setup A") && Has(run.Output, "PRIMARY")) << run.Output;
    EXPECT_FALSE(Has(run.Output, "usage:"));
}

TEST(CalcCompare, UsageErrors) {
    const std::string twelve = "10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1";
    for (const std::string& args :
         {"compare " + kWorked, "compare " + kWorked + " -- " + twelve,
          "compare " + kWorked + " -- " + kWorked + " --", "compare --cruise 0 " + kWorked + " -- " + kWorked,
          "compare --cruise 1,5 " + kWorked + " -- " + kWorked,
          "compare --format csv " + kWorked + " -- " + kWorked}) {
        const auto run = RunCalc(args, true);
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_TRUE(Has(run.Output, "usage: kestrigo-calc")) << args;
    }
}

TEST(CalcSprockets, RanksPairsAgainstTheTarget) {
    // 14/40 turns the wheel 45/40 x 14/15 = 1.05 times as fast: exactly 5 %; 104 links at 600 mm.
    auto run = RunCalc("sprockets --change 5 --pitch 15.875 --centre 600 " + kWorked);
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(
        run.Output.rfind("{\"Candidates\": [\n  {\"Front\": 14, \"Rear\": 40, \"TopSpeed\": 131.946", 0), 0u)
        << run.Output;
    EXPECT_TRUE(Has(run.Output, "\"Change\": 5.0000000000000"));
    EXPECT_TRUE(Has(run.Output, "\"Links\": 104}"));
    // Fifth gives 78.08 x 3f/r mph: 14/41 79.99, 13/38 80.14, 15/44 79.86.
    run = RunCalc("sprockets --units mph --top-speed 80 --count 3 " + kWorked);
    ASSERT_EQ(run.Status, 0);
    EXPECT_TRUE(Has(run.Output, "{\"Front\": 14, \"Rear\": 41, \"TopSpeed\": 79.988")) << run.Output;
    EXPECT_TRUE(Has(run.Output, "{\"Front\": 13, \"Rear\": 38,")) << run.Output;
    EXPECT_TRUE(Has(run.Output, "{\"Front\": 15, \"Rear\": 44, \"TopSpeed\": 79.858")) << run.Output;
    EXPECT_FALSE(Has(run.Output, "Links"));
    // First gear (2.5): 50.27 km/h now, 16/45 gives 53.62.
    run = RunCalc("sprockets --gear 1 --top-speed 53.6 --front 16:16 --rear 45:45 " + kWorked);
    EXPECT_TRUE(Has(run.Output, "{\"Front\": 16, \"Rear\": 45, \"TopSpeed\": 53.61")) << run.Output;
}

TEST(CalcSprockets, WidestRangesListOnlyTheCountAsked) {
    const auto run = RunCalc("sprockets --front 1:500 --rear 1:500 --count 1 --top-speed 100 " + kWorked);
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(run.Output.find("Front", run.Output.find("Front") + 1), std::string::npos) << run.Output;
    EXPECT_LT(run.Output.size(), 400u) << run.Output;  // one pair, not the 250,000 it ranked
}

TEST(CalcSprockets, InputErrorsExitWithOne) {
    for (const char* args : {"--top-speed 100 10 6 8 3 0 45 600 2.5 1.8 1.4 1.15 1 0",
                             "--top-speed 100 --gear 6 10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1 0",
                             "--top-speed 100 10 6 8 3 15 45 600 0 0 0 0 0 0",
                             "--top-speed 100 10 6 8 3 15 45 1x 2.5 1.8 1.4 1.15 1 0"}) {
        const auto run = RunCalc(std::string("sprockets ") + args, true);
        EXPECT_EQ(run.Status, 1) << args;
        EXPECT_FALSE(run.Output.empty() || Has(run.Output, "usage:")) << args;
    }
}

TEST(CalcSprockets, UsageErrors) {
    for (const char* options :
         {"", "--top-speed 100 --change 5", "--top-speed 100 --front 0:20", "--top-speed 100 --front 20:12",
          "--top-speed 100 --rear 36:501", "--top-speed 100 --rear 36", "--top-speed 100 --gear 0",
          "--top-speed 100 --gear 7", "--top-speed 100 --count 0", "--top-speed 100 --count -1",
          "--top-speed 0", "--top-speed -5", "--change -100", "--change x", "--change 5 --pitch 15.875",
          "--change 5 --centre 600", "--change 5 --pitch 0 --centre 600", "--change 5 --units kph"}) {
        const auto run = RunCalc(std::string("sprockets ") + options + " " + kWorked, true);
        EXPECT_EQ(run.Status, 2) << options;
        EXPECT_TRUE(Has(run.Output, "usage: kestrigo-calc")) << options;
    }
    EXPECT_EQ(RunCalc("sprockets --change 5 10 6 8 3 15 45 600 2.5 1.8 1.4 1.15 1").Status, 2);
}

TEST(Calc, GnuOptionFormsAnswerAlike) {
    const std::string commas = "10 6 8 3 15 45 600 2,5 1,8 1,4 1,15 1 0";
    const struct {
        std::string Args, Same;
    } cases[] = {{"--format=csv --rows=9:12 --units=mph " + kWorked,
                  "--format csv --rows 9:12 --units mph " + kWorked},
                 {"--decimal-separator , compare " + commas + " -- " + commas,
                  "compare --decimal-separator , " + commas + " -- " + commas},
                 {"--cruise=120 compare " + kWorked + " -- " + kWorked16,
                  "compare --cruise 120 " + kWorked + " -- " + kWorked16},
                 {"--change=5 --count 3 sprockets --pitch=15.875 --centre=600 " + kWorked,
                  "sprockets --change 5 --count 3 --pitch 15.875 --centre 600 " + kWorked},
                 {"-h", "--help"},
                 {"compare -h", "--help"}};
    for (const auto& c : cases) {
        const auto run = RunCalc(c.Args);
        EXPECT_EQ(run.Status, 0) << c.Args;
        EXPECT_FALSE(run.Output.empty()) << c.Args;
        EXPECT_EQ(run.Output, RunCalc(c.Same).Output) << c.Args;
    }
    EXPECT_EQ(RunCalc("--format= " + kWorked).Status, 2);
    EXPECT_EQ(RunCalc("--format=csv compare " + kWorked + " -- " + kWorked).Status, 2);
}

TEST(Calc, HelpAndVersion) {
    const auto version = RunCalc("--version");
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Output, std::string("kestrigo-calc ") + kgr::KestrigoVersion + "\n");
    const auto help = RunCalc("--help");
    EXPECT_EQ(help.Status, 0);
    for (const char* part : {"usage: kestrigo-calc", "compare", "sprockets", "--format", "--pitch"})
        EXPECT_TRUE(Has(help.Output, part)) << part;
    int examples = 0;
    for (auto at = help.Output.find("example:"); at != std::string::npos;
         at = help.Output.find("example:", at + 1))
        ++examples;
    EXPECT_EQ(examples, 3);
    EXPECT_EQ(RunCalc("sprockets --help").Output, help.Output);
}

}  // namespace
