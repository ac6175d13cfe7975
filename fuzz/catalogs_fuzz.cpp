// A catalog file's bytes loaded as each of the five catalogs, then picks of its default and of a
// few entries: "(USER)" stays first, every entry is valid UTF-8, messages stay few and every number
// written into a field parses back (bar an overflowing tyre and the general format's largest values).
#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogs.h"
#include "core/inifile.h"
#include "core/numbertext.h"
#include "core/textencoding.h"
#include "fuzz/fuzzcheck.h"
#include "tests/support/fakepresetlist.h"

namespace {

using kgr::fuzz::Require;

class TMessages : public kgr::IMessageSink {
  public:
    void ShowError(const std::string&) override { ++Count; }
    int Count = 0;
};

bool IsAcceptedField(const std::string& text, char separator) {
    if (kgr::ParseFloat(text, separator)) return true;
    // A tyre's diameter may leave the double range; the largest doubles print just beyond it.
    const std::string edge = std::string("1") + separator + "79769313486232E308";
    return text == "INF" || text == "-INF" || text == "NAN" || text == edge || text == "-" + edge;
}

void LoadAndPick(const kgr::TIniFile& catalog, kgr::TCatalogKind kind, char separator) {
    TMessages messages;
    const kgr::TCatalogContext context{"", separator, &messages};
    kgr::test::TFakeList list;
    std::vector<kgr::TFieldWriter> fields;
    for (int i = 0; i < kgr::CatalogFieldCount(kind); ++i) {
        fields.emplace_back([separator](const std::string& text) {
            Require(IsAcceptedField(text, separator), "a written field is a number");
        });
    }
    list.OnSelect = [&] { kgr::SelectPreset(context, kind, catalog, list, fields); };
    kgr::FillPresetList(context, catalog, list);
    Require(!list.Items.empty() && list.Items.front() == "(USER)", "(USER) comes first");
    Require(std::all_of(list.Items.begin(), list.Items.end(),
                        [](const std::string& item) { return kgr::IsValidUtf8(item); }),
            "entries are UTF-8");
    Require(list.Index >= -1 && list.Index < list.ItemCount(), "the default is an entry or none");
    Require(messages.Count <= 5, "messages stay few");
    for (int index = 1; index < std::min(list.ItemCount(), 4); ++index) {
        list.Index = index;
        list.OnSelect();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kgr::TIniFile catalog(kgr::fuzz::AsText(data, size));
    const char separator = size % 2 == 0 ? '.' : ',';
    for (const kgr::TCatalogKind kind : kgr::AllCatalogKinds) LoadAndPick(catalog, kind, separator);
    return 0;
}
