#include "app/qtjapanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>

TQtJapanese::TQtJapanese() {
    // "qt_ja" pulls in the per-module catalogs (qtbase_ja, ...) that Qt ships beside it.
    loaded_ = translator_.load(QStringLiteral("qt_ja"), Folder()) &&
              QCoreApplication::installTranslator(&translator_);
}

TQtJapanese::~TQtJapanese() {
    if (loaded_) QCoreApplication::removeTranslator(&translator_);
}

QString TQtJapanese::Folder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
