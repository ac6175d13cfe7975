// Where the catalogs' error messages go: a modal message box in the program, a recorder in tests
// and in the snapshot tool (which must never block).
#pragma once

#include <string>
#include <vector>

#include "core/catalogs.h"

// Shows each message in a modal box titled "エラー" with the error icon and one "OK" button.
class TMessageBox : public kgr::IMessageSink {
  public:
    void ShowError(const std::string& text) override;
};

// Keeps the messages in the order they came.
class TMessageRecorder : public kgr::IMessageSink {
  public:
    void ShowError(const std::string& text) override { Messages.push_back(text); }

    std::vector<std::string> Messages;
};
