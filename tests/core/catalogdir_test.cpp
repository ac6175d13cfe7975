// Where the program looks for its catalogs: beside the executable first, then the installed data folder.
#include "core/catalogdir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/catalogs.h"
#include "tests/core/catalogs_fixture.h"

namespace kgr::test {
namespace {

// Dir plays the installed prefix: Dir/bin holds the executable, Dir/share/kestrigo the data.
class CatalogDirectoryTest : public TCatalogTest {
  protected:
    void SetUp() override {
        TCatalogTest::SetUp();
        std::filesystem::create_directories(Dir / "bin");
        std::filesystem::create_directories(Dir / "share" / "kestrigo");
        Bin = (Dir / "bin").string() + "/";
        Share = (Dir / "share" / "kestrigo").string() + "/";
    }
    void WriteIn(const std::string& folder, const char* name) {
        WriteFile(folder + "/" + name, "[generic]\nnumber=0\ndefault=0\n");
    }

    std::string Bin, Share;
};

TEST_F(CatalogDirectoryTest, AnyOneCatalogBesideTheExecutableKeepsItsDirectory) {
    for (TCatalogKind kind : AllCatalogKinds) {
        WriteIn("share/kestrigo", CatalogFileName(kind));
        WriteIn("bin", CatalogFileName(kind));
        EXPECT_EQ(CatalogDirectory(Bin), Bin) << CatalogFileName(kind);
        std::filesystem::remove(Dir / "bin" / CatalogFileName(kind));
    }
}

TEST_F(CatalogDirectoryTest, NoCatalogBesideTheExecutableFallsBackToShareKestrigo) {
    for (TCatalogKind kind : AllCatalogKinds) WriteIn("share/kestrigo", CatalogFileName(kind));
    WriteIn("bin", "other.ini");
    EXPECT_EQ(CatalogDirectory(Bin), Share);
}

TEST_F(CatalogDirectoryTest, FallbackIsNamedEvenWhenItIsMissingSoMessagesNameItsPath) {
    std::filesystem::remove_all(Dir / "share");
    EXPECT_EQ(CatalogDirectory(Bin), Share);
}

TEST_F(CatalogDirectoryTest, InstalledCatalogsLoadThroughTheFallback) {
    WriteFile("share/kestrigo/tire.ini",
              "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=T\ndia=17\nwid=120\nflt=70\n");
    Context.Directory = CatalogDirectory(Bin);
    TFakeList list;
    LoadWired(TCatalogKind::ckTire, list);
    EXPECT_EQ(list.Items, (std::vector<std::string>{"(USER)", "T"}));
    EXPECT_TRUE(Messages.Texts.empty());
}

}  // namespace
}  // namespace kgr::test
