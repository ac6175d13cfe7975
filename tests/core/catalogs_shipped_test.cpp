// The five catalogs that ship with the program: all load cleanly, every entry gives plausible
// values, and the defaults form a complete drive train.
#include <gtest/gtest.h>

#include "core/textencoding.h"
#include "tests/core/catalogs_fixture.h"

namespace kgr::test {
namespace {

using Strings = std::vector<std::string>;

class ShippedCatalogs : public TCatalogTest {
  protected:
    void SetUp() override {
        TCatalogTest::SetUp();
        Context.Directory = KESTRIGO_SOURCE_DIR "/catalogs/";
    }

    // The texts each entry writes, for positions 1 … count - 1 of the loaded list.
    std::vector<Strings> PickEveryEntry(TFakeList& list) {
        std::vector<Strings> picked;
        for (int index = 1; index < list.ItemCount(); ++index) {
            list.Index = index;
            list.OnSelect();
            picked.push_back(Fields);
        }
        return picked;
    }

    double Number(const std::string& text) { return std::stod(text); }
};

TEST_F(ShippedCatalogs, LoadWithoutMessagesAndWithValidUtf8Descriptions) {
    for (const TCatalogKind kind : AllCatalogKinds) {
        TFakeList list;
        LoadWired(kind, list);
        EXPECT_TRUE(Messages.Texts.empty()) << CatalogFileName(kind);
        EXPECT_GE(list.ItemCount(), 6) << CatalogFileName(kind);
        EXPECT_GE(list.Index, 1) << CatalogFileName(kind);
        for (const std::string& item : list.Items) EXPECT_TRUE(IsValidUtf8(item)) << item;
    }
}

TEST_F(ShippedCatalogs, DefaultsFormTheBKingDriveTrain) {
    const std::vector<std::pair<TCatalogKind, Strings>> expected = {
        {TCatalogKind::ckPrimary, {"1.596"}},
        {TCatalogKind::ckTransmission, {"2.615", "1.937", "1.526", "1.285", "1.136", "1.043"}},
        {TCatalogKind::ckDrive, {"18"}},
        {TCatalogKind::ckDriven, {"43"}},
        {TCatalogKind::ckTire, {"621.8"}},  // 190/50ZR17
    };
    for (const auto& [kind, fields] : expected) {
        TFakeList list;
        LoadWired(kind, list);
        EXPECT_EQ(Fields, fields) << CatalogFileName(kind);
    }
}

TEST_F(ShippedCatalogs, RatiosAndSprocketsArePositive) {
    for (const TCatalogKind kind : {TCatalogKind::ckPrimary, TCatalogKind::ckDrive, TCatalogKind::ckDriven}) {
        TFakeList list;
        LoadWired(kind, list);
        for (const Strings& fields : PickEveryEntry(list)) {
            EXPECT_GT(Number(fields[0]), 0.9) << CatalogFileName(kind);
            EXPECT_LT(Number(fields[0]), 60) << CatalogFileName(kind);
        }
    }
}

TEST_F(ShippedCatalogs, GearboxesHaveFiveOrSixFallingRatios) {
    TFakeList list;
    LoadWired(TCatalogKind::ckTransmission, list);
    for (const Strings& gears : PickEveryEntry(list)) {
        for (int g = 0; g < 4; ++g) EXPECT_GT(Number(gears[g]), Number(gears[g + 1])) << gears[0];
        EXPECT_GT(Number(gears[4]), 0.5);
        EXPECT_TRUE(gears[5] == "0.000" || Number(gears[5]) < Number(gears[4])) << gears[0];
    }
}

TEST_F(ShippedCatalogs, TyreDiametersAreRoadTyreSized) {
    TFakeList list;
    LoadWired(TCatalogKind::ckTire, list);
    for (const Strings& diameter : PickEveryEntry(list)) {
        EXPECT_GT(Number(diameter[0]), 500);
        EXPECT_LT(Number(diameter[0]), 800);
    }
}

}  // namespace
}  // namespace kgr::test
