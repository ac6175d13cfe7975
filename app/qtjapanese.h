// Qt's own texts (context menus, standard buttons) in Japanese, to match the Japanese window,
// whatever the user's locale.
#pragma once

#include <QTranslator>

// Loads Qt's Japanese translation from Qt's translations folder and installs it for the lifetime of
// this object. When the translation is not installed, Qt's texts simply stay English.
class TQtJapanese {
  public:
    TQtJapanese();
    ~TQtJapanese();
    TQtJapanese(const TQtJapanese&) = delete;
    TQtJapanese& operator=(const TQtJapanese&) = delete;

    bool Loaded() const { return loaded_; }
    // The folder searched, for messages.
    static QString Folder();

  private:
    QTranslator translator_;
    bool loaded_ = false;
};
