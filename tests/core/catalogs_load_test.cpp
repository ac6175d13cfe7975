// Loading a catalog into a list and applying its default entry.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "tests/core/catalogs_fixture.h"

namespace kgr::test {
namespace {

using Strings = std::vector<std::string>;

class CatalogLoad : public TCatalogTest {
  protected:
    // Loads `file` as the kind's catalog with its list wired to the selection handler, then checks
    // the items, the selection, the messages and the fields the default entry wrote ("" if none).
    void ExpectLoad(TCatalogKind kind, const std::string& file, const Strings& items, int index,
                    const Strings& messages, const Strings& fields) {
        SCOPED_TRACE(file);
        Messages.Texts.clear();
        WriteCount = 0;
        WriteFile(CatalogFileName(kind), file);
        TFakeList list;
        LoadWired(kind, list);
        EXPECT_EQ(list.Items, items);
        EXPECT_EQ(list.Index, index);
        EXPECT_EQ(Messages.Texts, messages);
        EXPECT_EQ(Fields, fields);
    }
};

TEST_F(CatalogLoad, ListSelectionMessagesAndWrittenFields) {
    ExpectLoad(TCatalogKind::ckPrimary,
               "[generic]\nnumber=2\ndefault=1\n[info1]\ndescription=A\nratio=1.596\n"
               "[info2]\ndescription=B\nratio=2.5\n",
               {"(USER)", "A", "B"}, 1, {}, {"1.596"});
    ExpectLoad(TCatalogKind::ckPrimary, "[generic]\nnumber=1\ndefault=0\n[info1]\ndescription=A\nratio=1.5\n",
               {"(USER)", "A"}, 0, {}, {""});
    // Position 2 shows "three" but reads the section of its position number.
    ExpectLoad(TCatalogKind::ckPrimary,
               "[generic]\nnumber=3\ndefault=2\n[info1]\ndescription=one\nratio=1\n[info2]\nratio=2\n"
               "[info3]\ndescription=three\nratio=3\n",
               {"(USER)", "one", "three"}, 2, {"NoValue:info2"}, {"2"});
    ExpectLoad(TCatalogKind::ckTire, "[info1]\ndescription=A\ndia=17\nwid=120\nflt=70\n", {"(USER)"}, -1,
               {"NoValue:default"}, {""});
    ExpectLoad(TCatalogKind::ckDriven,
               "[GENERIC]\nNumber=3\nDEFAULT=1\n[Info1]\nDescription=43T\nRATIO=43\n"
               "[info02]\ndescription=leading zero\n[info3]\ndescription=44T\nratio=44\n",
               {"(USER)", "43T", "44T"}, 1, {"NoValue:info2"}, {"43"});
    ExpectLoad(
        TCatalogKind::ckTransmission,
        "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=5\n1st=2.416\n2nd=1.625\n3rd=1.238\n4th=1\n",
        {"(USER)", "5"}, 1, {}, {"2.416", "1.625", "1.238", "1.000", "0.000", "0.000"});
    ExpectLoad(TCatalogKind::ckTire,
               "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=T\ndia=17\nwid=120\nflt=70\n",
               {"(USER)", "T"}, 1, {}, {"599.8"});
    EXPECT_EQ(WriteCount, 1);  // once, from all three values
    Context.DecimalSeparator = ',';
    ExpectLoad(TCatalogKind::ckTransmission,
               "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=A\n"
               "1st=2,7686\n2nd=12\n3rd=-0,5\n4th=1e-4\n5th=0\n",
               {"(USER)", "A"}, 1, {}, {"2,769", "12,000", "-0,500", "0,000", "0,000", "0,000"});
}

TEST_F(CatalogLoad, DefaultOutOfRangeSelectsNothingAndCallsNoHandler) {
    WriteFile("primary.ini", "[generic]\nnumber=1\ndefault=2\n[info1]\ndescription=A\nratio=1.5\n");
    TFakeList list;
    int calls = 0;
    list.OnSelect = [&] { ++calls; };
    LoadCatalog(Context, "primary.ini", list);
    EXPECT_EQ(list.Index, -1);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(CatalogLoad, NonIntegerDefaultReadsAsZero) {
    WriteFile("primary.ini", "[generic]\nnumber=1\ndefault=first\n[info1]\ndescription=A\nratio=1.5\n");
    TFakeList list;
    int calls = 0;
    list.OnSelect = [&] { ++calls; };
    LoadCatalog(Context, "primary.ini", list);
    EXPECT_EQ(list.Index, 0);
    EXPECT_EQ(calls, 1);
}

TEST_F(CatalogLoad, MissingOrNonIntegerNumberGivesNoEntries) {
    for (const char* number : {"", "number=two\n", "number=99999999999\n", "number=-4\n"}) {
        Messages.Texts.clear();
        WriteFile("drive.ini", std::string("[generic]\n") + number + "default=0\n[info1]\ndescription=A\n");
        TFakeList list;
        LoadCatalog(Context, "drive.ini", list);
        EXPECT_EQ(list.Items, Strings{"(USER)"}) << number;
        EXPECT_TRUE(Messages.Texts.empty()) << number;
    }
}

TEST_F(CatalogLoad, MissingFileIsReportedByNameAndLeavesTheListUntouched) {
    TFakeList list;
    list.Items = {"keep"};
    list.Index = 0;
    LoadCatalog(Context, "primary.ini", list);
    EXPECT_EQ(Messages.Texts, Strings{"primary.ini が見つかりません"});
    EXPECT_EQ(list.Items, Strings{"keep"});
    EXPECT_EQ(list.Index, 0);
}

TEST_F(CatalogLoad, ReloadReplacesTheItems) {
    WriteFile("drive.ini", "[generic]\nnumber=1\ndefault=0\n[info1]\ndescription=15T\nratio=15\n");
    TFakeList list;
    list.Items = {"old", "entries"};
    LoadCatalog(Context, "drive.ini", list);
    EXPECT_EQ(list.Items, (Strings{"(USER)", "15T"}));
}

TEST_F(CatalogLoad, MessagesInterleaveWithItemsInEntryOrder) {
    WriteFile("drive.ini",
              "[generic]\nnumber=4\ndefault=0\n[info2]\ndescription=B\n[info4]\ndescription=D\n");
    TFakeList list;
    Strings events;
    struct TRecorder : IMessageSink {
        Strings* Events;
        void ShowError(const std::string& text) override { Events->push_back("msg " + text); }
    } recorder;
    recorder.Events = &events;
    struct TRecordingList : TFakeList {
        Strings* Events;
        void AddItem(const std::string& text) override {
            Events->push_back("add " + text);
            TFakeList::AddItem(text);
        }
    } recordingList;
    recordingList.Events = &events;
    Context.Messages = &recorder;
    LoadCatalog(Context, "drive.ini", recordingList);
    EXPECT_EQ(events, (Strings{"add (USER)", "msg NoValue:info1", "add B", "msg NoValue:info3", "add D"}));
}

TEST_F(CatalogLoad, WithoutMessageSinkNothingIsShownAndNothingFails) {
    Context.Messages = nullptr;
    TFakeList list;
    LoadCatalog(Context, "primary.ini", list);
    WriteFile("primary.ini", "[generic]\nnumber=2\n");
    LoadCatalog(Context, "primary.ini", list);
    EXPECT_EQ(list.Items, Strings{"(USER)"});
}

}  // namespace
}  // namespace kgr::test
