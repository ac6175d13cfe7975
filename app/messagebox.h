// Where the window's messages go: modal message boxes in the program, a recorder in tests and in the
// snapshot tool (which must never block).
#pragma once

#include <string>
#include <vector>

#include "core/catalogs.h"

// The catalogs' error messages, plus the setting memory's questions and notices.
class IMessageDialogs : public kgr::IMessageSink {
  public:
    // Asks a yes/no question; true for "はい".
    virtual bool AskYesNo(const std::string& text) = 0;  // UTF-8
    // Tells the user something that is no error.
    virtual void ShowNotice(const std::string& text) = 0;  // UTF-8
};

// Shows each error in a modal box titled "エラー" with the error icon and one "OK" button; questions
// with "はい" and "いいえ", notices with the information icon.
class TMessageBox : public IMessageDialogs {
  public:
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ShowNotice(const std::string& text) override;
};

// Keeps every error, question and notice in the order they came, and answers questions with Answer.
class TMessageRecorder : public IMessageDialogs {
  public:
    void ShowError(const std::string& text) override { Messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        Messages.push_back(text);
        return Answer;
    }
    void ShowNotice(const std::string& text) override { Messages.push_back(text); }

    std::vector<std::string> Messages;
    bool Answer = true;
};
