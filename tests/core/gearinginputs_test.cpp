#include "core/gearinginputs.h"

#include <gtest/gtest.h>

#include "core/inputfields.h"

namespace kgr {
namespace {

TGearingInputs Worked() {
    return {"10", "6", "8", "3", "15", "45", "600", {"2.5", "1.8", "1.4", "1.15", "1", "0"}};
}

TEST(GearingInputs, ParsesInTableOrder) {
    const auto parse = ParseGearingInputs(Worked(), '.');
    ASSERT_TRUE(parse.Ok());
    EXPECT_EQ(parse.Values.MaxK, 10);
    EXPECT_EQ(parse.Values.PBHighK, 8);
    EXPECT_EQ(parse.Values.Driven, 45);
    EXPECT_EQ(parse.Values.Gears[3], 1.15);
}

TEST(GearingInputs, NamesTheFirstFieldThatFails) {
    for (int i = 0; i < GearingInputCount; ++i) {
        TInputTexts texts = ToInputTexts(Worked());
        texts[i] = "1x";
        EXPECT_EQ(ParseGearingInputs(ToGearingInputs(texts), '.').FailedField, i);
        if (i + 1 < GearingInputCount) texts[i + 1] = "";
        EXPECT_EQ(ParseGearingInputs(ToGearingInputs(texts), '.').FailedField, i);
    }
    auto in = Worked();
    in.RatioT[0] = "2,5";  // the wrong separator
    EXPECT_EQ(ParseGearingInputs(in, '.').FailedField, 7);
    EXPECT_EQ(ParseGearingInputs(in, ',').FailedField, 8);  // then "1.8" is the wrong one
    in.MaxRpm = "2147484";                                  // 2147484000 rpm leaves 32 bits
    EXPECT_EQ(ParseGearingInputs(in, '.').FailedField, 0);
}

}  // namespace
}  // namespace kgr
