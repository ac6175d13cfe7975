// Picking an entry: the values each selection handler writes, and when it reads and writes them.
#include <gtest/gtest.h>

#include "tests/core/catalogs_fixture.h"

namespace kgr::test {
namespace {

using Strings = std::vector<std::string>;

class CatalogSelect : public TCatalogTest {};

TEST_F(CatalogSelect, UserEntryOrNoSelectionChangesNothing) {
    WriteFile("primary.ini", "[generic]\nnumber=1\ndefault=0\n[info1]\ndescription=A\nratio=1.5\n");
    TFakeList list;
    LoadWired(TCatalogKind::ckPrimary, list);
    for (const int index : {0, -1}) {
        list.Index = index;
        list.OnSelect();
    }
    EXPECT_EQ(WriteCount, 0);
    EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(CatalogSelect, MissingOrBadValuesCountAsZeroWithoutMessage) {
    WriteFile(
        "primary.ini",
        "[generic]\nnumber=2\ndefault=0\n[info1]\ndescription=A\n[info2]\ndescription=B\nratio=1.2.3\n");
    TFakeList list;
    LoadWired(TCatalogKind::ckPrimary, list);
    for (const int index : {1, 2}) {
        Fields[0] = "unset";
        list.Index = index;
        list.OnSelect();
        EXPECT_EQ(Fields, Strings{"0"}) << index;
    }
    EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(CatalogSelect, FileDeletedBeforePickReportsOncePerValueKey) {
    WriteFile("transmission.ini", "[generic]\nnumber=1\ndefault=0\n[info1]\ndescription=A\n1st=3\n");
    TFakeList list;
    LoadWired(TCatalogKind::ckTransmission, list);
    std::filesystem::remove(Dir / "transmission.ini");
    list.Index = 1;
    list.OnSelect();
    EXPECT_EQ(Messages.Texts, Strings(6, "transmission.ini が見つかりません"));
    EXPECT_EQ(Fields, Strings(6, "0.000"));
}

TEST_F(CatalogSelect, APickReadsTheCatalogOnceAsItIsThen) {
    // The first write rewrites the catalog: this pick keeps the values it read, the next one reads
    // the new file.
    WriteFile("transmission.ini", "[generic]\nnumber=1\ndefault=0\n[info1]\ndescription=A\n1st=3\n2nd=2\n");
    TFakeList list;
    LoadWired(TCatalogKind::ckTransmission, list);
    Writers[0] = [this](const std::string& text) {
        Fields[0] = text;
        WriteFile("transmission.ini", "[generic]\nnumber=1\n[info1]\ndescription=A\n1st=9\n2nd=7\n");
    };
    list.Index = 1;
    list.OnSelect();
    EXPECT_EQ(Fields[0], "3.000");
    EXPECT_EQ(Fields[1], "2.000");
    list.OnSelect();
    EXPECT_EQ(Fields[0], "9.000");
    EXPECT_EQ(Fields[1], "7.000");
}

TEST_F(CatalogSelect, ItemIndexIsReadAfreshForEveryKey) {
    // A field whose change handler resets the list to "(USER)" makes the later keys read info0.
    WriteFile("transmission.ini",
              "[generic]\nnumber=1\ndefault=0\n[info0]\n2nd=5\n[info1]\ndescription=A\n1st=3\n2nd=2\n");
    TFakeList list;
    LoadWired(TCatalogKind::ckTransmission, list);
    Writers[0] = [this, &list](const std::string& text) {
        Fields[0] = text;
        list.Index = 0;
    };
    list.Index = 1;
    list.OnSelect();
    EXPECT_EQ(Fields[0], "3.000");
    EXPECT_EQ(Fields[1], "5.000");
}

TEST_F(CatalogSelect, NumbersUseTheLocaleSeparatorAndShippedFullStopsStillRead) {
    Context.DecimalSeparator = ',';
    WriteFile("primary.ini",
              "[generic]\nnumber=2\ndefault=0\n[info1]\ndescription=A\nratio=1,596\n"
              "[info2]\ndescription=B\nratio=2.5\n");
    TFakeList list;
    LoadWired(TCatalogKind::ckPrimary, list);
    list.Index = 1;
    list.OnSelect();
    EXPECT_EQ(Fields, Strings{"1,596"});
    list.Index = 2;
    list.OnSelect();
    EXPECT_EQ(Fields, Strings{"2,5"});
    EXPECT_EQ(ReadCatalogValue(Context, "primary.ini", "ratio", 1), 1.596);
}

TEST_F(CatalogSelect, CommaIsNoSeparatorWhereTheLocaleUsesAFullStop) {
    WriteFile("primary.ini", "[info1]\nratio=1,596\n");
    EXPECT_EQ(ReadCatalogValue(Context, "primary.ini", "ratio", 1), 0.0);
}

TEST_F(CatalogSelect, ReadCatalogValueOfAbsentFileSectionOrKey) {
    EXPECT_EQ(ReadCatalogValue(Context, "tire.ini", "dia", 1), 0.0);
    EXPECT_EQ(Messages.Texts, Strings{"tire.ini が見つかりません"});
    WriteFile("tire.ini", "[info1]\ndia=17\n");
    EXPECT_EQ(ReadCatalogValue(Context, "tire.ini", "dia", 1), 17.0);
    EXPECT_EQ(ReadCatalogValue(Context, "tire.ini", "wid", 1), 0.0);
    EXPECT_EQ(ReadCatalogValue(Context, "tire.ini", "dia", 2), 0.0);
    EXPECT_EQ(ReadCatalogValue(Context, "tire.ini", "dia", -1), 0.0);
    EXPECT_EQ(Messages.Texts.size(), 1u);
}

}  // namespace
}  // namespace kgr::test
