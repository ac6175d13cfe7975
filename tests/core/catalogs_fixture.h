// Test doubles for the catalog interfaces and a fresh temporary catalog directory per test.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/catalogs.h"
#include "tests/support/fakepresetlist.h"

namespace kgr::test {

class TFakeMessages : public IMessageSink {
  public:
    void ShowError(const std::string& text) override { Texts.push_back(text); }
    std::vector<std::string> Texts;
};

// Runs `work` on its own thread; a run past the limit ends the test program with a failure
// rather than letting a regression hang the test run.
inline void RunWithin(std::chrono::seconds limit, std::function<void()> work) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([done, work = std::move(work)] {
        work();
        done->set_value();
    }).detach();
    if (finished.wait_for(limit) == std::future_status::timeout) {
        std::fprintf(stderr, "FATAL: %s did not finish within %lld s\n",
                     ::testing::UnitTest::GetInstance()->current_test_info()->name(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        std::_Exit(1);
    }
}

// A fresh directory for the test's catalogs, removed afterwards.
class TCatalogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrigo-catalog-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        Context.Directory = Dir.string() + "/";
        Context.Messages = &Messages;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(Dir, ignored);
    }

    void WriteFile(const std::string& name, const std::string& content) {
        std::ofstream(Dir / name, std::ios::binary) << content;
    }

    // Loads `name` into `list` with the list's OnSelect wired to the kind's selection handler,
    // which writes into Fields (one text per field, "" until written).
    void LoadWired(TCatalogKind kind, TFakeList& list) {
        Fields.assign(static_cast<std::size_t>(CatalogFieldCount(kind)), "");
        Writers.clear();
        for (std::size_t i = 0; i < Fields.size(); ++i) {
            Writers.push_back([this, i](const std::string& text) {
                Fields[i] = text;
                ++WriteCount;
            });
        }
        list.OnSelect = [this, kind, &list] { SelectPreset(Context, kind, list, Writers); };
        LoadCatalog(Context, CatalogFileName(kind), list);
    }

    std::filesystem::path Dir;
    TCatalogContext Context;
    TFakeMessages Messages;
    std::vector<std::string> Fields;
    std::vector<TFieldWriter> Writers;
    int WriteCount = 0;
};

}  // namespace kgr::test
