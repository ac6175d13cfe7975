// Hand-edited or broken catalogs: none may crash, hang, read without bound or flood the user with
// messages. Every load runs under a time limit enforced by the test itself.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "core/inifile.h"
#include "tests/core/catalogs_fixture.h"

namespace kgr::test {
namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

class CatalogHostile : public TCatalogTest {
  protected:
    void LoadBounded(TCatalogKind kind, TFakeList& list) {
        RunWithin(10s, [&] { LoadWired(kind, list); });
    }
};

TEST_F(CatalogHostile, EmptyFileGivesOnlyUserAndOneMessage) {
    WriteFile("primary.ini", "");
    TFakeList list;
    LoadBounded(TCatalogKind::ckPrimary, list);
    EXPECT_EQ(list.Items, Strings{"(USER)"});
    EXPECT_EQ(Messages.Texts, Strings{"NoValue:default"});
}

TEST_F(CatalogHostile, BinaryFileLoadsWithFewMessages) {
    std::mt19937 random(7);
    std::string bytes(256 * 1024, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    WriteFile("primary.ini", bytes);
    TFakeList list;
    LoadBounded(TCatalogKind::ckPrimary, list);
    EXPECT_EQ(list.Items.front(), "(USER)");
    EXPECT_LE(Messages.Texts.size(), 5u);
}

TEST_F(CatalogHostile, HugeNumberWithoutSectionsShowsABoundedSummary) {
    WriteFile("transmission.ini", "[generic]\nnumber=2147483647\ndefault=1\n");
    TFakeList list;
    LoadBounded(TCatalogKind::ckTransmission, list);
    EXPECT_EQ(list.Items, Strings{"(USER)"});
    EXPECT_EQ(list.Index, -1);
    EXPECT_EQ(Messages.Texts, (Strings{"NoValue:info1", "NoValue:info2", "NoValue:info3",
                                       "ほかに 2147483644 件のエントリーに description がありません"}));
}

TEST_F(CatalogHostile, HugeNumberWithSomeSectionsKeepsPositionsAndCounts) {
    WriteFile("drive.ini",
              "[generic]\nnumber=2147483647\ndefault=2\n[info2147483647]\ndescription=last\nratio=9\n"
              "[info1]\ndescription=first\nratio=1\n[info2147483648]\ndescription=beyond\n");
    TFakeList list;
    LoadBounded(TCatalogKind::ckDrive, list);
    EXPECT_EQ(list.Items, (Strings{"(USER)", "first", "last"}));
    ASSERT_EQ(Messages.Texts.size(), 4u);
    EXPECT_EQ(Messages.Texts[0], "NoValue:info2");
    EXPECT_EQ(Messages.Texts[3], "ほかに 2147483642 件のエントリーに description がありません");
    // Position 2 reads info2, which has no value.
    EXPECT_EQ(Fields, Strings{"0"});
}

TEST_F(CatalogHostile, DirectoryFifoAndDeviceLinkCountAsMissing) {
    std::filesystem::create_directory(Dir / "primary.ini");
    ASSERT_EQ(mkfifo((Dir / "transmission.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", Dir / "drive.ini");
    std::filesystem::create_symlink(Dir / "nowhere.ini", Dir / "driven.ini");
    const TCatalogKind kinds[] = {TCatalogKind::ckPrimary, TCatalogKind::ckTransmission,
                                  TCatalogKind::ckDrive, TCatalogKind::ckDriven};
    for (const TCatalogKind kind : kinds) {
        Messages.Texts.clear();
        TFakeList list;
        LoadBounded(kind, list);
        EXPECT_TRUE(list.Items.empty()) << CatalogFileName(kind);
        EXPECT_EQ(Messages.Texts, Strings{std::string(CatalogFileName(kind)) + " が見つかりません"});
        RunWithin(10s, [&] { EXPECT_EQ(ReadCatalogValue(Context, CatalogFileName(kind), "ratio", 1), 0.0); });
    }
}

TEST_F(CatalogHostile, FifoIsNeverOpenedForReadingEvenWithoutTheExistenceTest) {
    ASSERT_EQ(mkfifo((Dir / "fifo.ini").c_str(), 0600), 0);
    RunWithin(10s,
              [&] { EXPECT_TRUE(TIniFile::FromFile((Dir / "fifo.ini").string()).SectionNames().empty()); });
}

TEST_F(CatalogHostile, SparseGigabyteFileIsReadOnlyAtItsStart) {
    WriteFile("driven.ini", "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=43T\nratio=43\n");
    std::filesystem::resize_file(Dir / "driven.ini", std::uintmax_t{1} << 30);
    TFakeList list;
    LoadBounded(TCatalogKind::ckDriven, list);
    EXPECT_EQ(list.Items, (Strings{"(USER)", "43T"}));
    EXPECT_EQ(Fields, Strings{"43"});
}

TEST_F(CatalogHostile, ContentBeyondTheReadLimitIsIgnored) {
    const std::string filler = "; " + std::string(1000, 'x') + "\n";
    std::string text;
    while (text.size() <= TIniFile::MaxFileBytes) text += filler;
    WriteFile("primary.ini", text + "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=A\n");
    TFakeList list;
    LoadBounded(TCatalogKind::ckPrimary, list);
    EXPECT_EQ(list.Items, Strings{"(USER)"});
    EXPECT_EQ(Messages.Texts, Strings{"NoValue:default"});
}

TEST_F(CatalogHostile, ManyEntriesLoadOnce) {
    // 5,000 entries: parsed once per load, not once per key.
    std::string text = "[generic]\nnumber=5000\ndefault=5000\n";
    for (int k = 1; k <= 5000; ++k) {
        text += "[info" + std::to_string(k) + "]\ndescription=" + std::to_string(k) +
                "\nratio=" + std::to_string(k) + "\n";
    }
    WriteFile("driven.ini", text);
    TFakeList list;
    LoadBounded(TCatalogKind::ckDriven, list);
    EXPECT_EQ(list.ItemCount(), 5001);
    EXPECT_EQ(Fields, Strings{"5000"});
}

TEST_F(CatalogHostile, OverlongDescriptionIsCutAtTheValueLimit) {
    WriteFile("primary.ini", "[generic]\nnumber=1\ndefault=0\n[info1]\ndescription=" +
                                 std::string(3 * 1024 * 1024, 'd') + "\n");
    TFakeList list;
    LoadBounded(TCatalogKind::ckPrimary, list);
    ASSERT_EQ(list.Items.size(), 2u);
    EXPECT_EQ(list.Items[1].size(), TIniFile::MaxValueBytes);
}

TEST_F(CatalogHostile, ExtremeValuesDoNotBreakTheWrite) {
    WriteFile("tire.ini",
              "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=A\ndia=1e308\nwid=1e308\nflt=1e308\n");
    TFakeList list;
    LoadBounded(TCatalogKind::ckTire, list);
    EXPECT_EQ(WriteCount, 1);
}

}  // namespace
}  // namespace kgr::test
