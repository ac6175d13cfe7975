// A preset list without a window: the entries in a vector and the index picked, for tests, fuzz
// targets and benchmarks of the catalog logic.
#pragma once

#include <string>
#include <vector>

#include "core/catalogs.h"

namespace kgr::test {

class TFakeList : public IPresetList {
  public:
    void ClearItems() override { Items.clear(); }
    void AddItem(const std::string& text) override { Items.push_back(text); }
    int ItemCount() const override { return static_cast<int>(Items.size()); }
    int ItemIndex() const override { return Index; }
    void SetItemIndex(int index) override { Index = index; }

    std::vector<std::string> Items;
    int Index = -1;
};

}  // namespace kgr::test
