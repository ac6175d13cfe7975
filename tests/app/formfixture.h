// A main window built over catalogs in a temporary directory, its messages recorded.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/Unit1.h"
#include "app/messagebox.h"

class FormTest : public ::testing::Test {
  protected:
    QString Directory() const { return dir_.path() + QLatin1Char('/'); }

    void WriteCatalog(const QString& fileName, const QByteArray& text) {
        QFile file(Directory() + fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    void CopyShippedCatalogs() {
        const QDir source(QStringLiteral(KESTRIGO_SOURCE_DIR "/catalogs"));
        for (const QString& name : source.entryList({QStringLiteral("*.ini")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), Directory() + name));
    }

    // Five small catalogs with known values: primary 3 / 2.5, two transmissions (the first without a
    // 6th gear), drive 15 / 16, driven 45 / 44, tyre 17-120-70 (599.8 mm).
    void WriteTestCatalogs() {
        WriteCatalog(QStringLiteral("primary.ini"),
                     "[generic]\nnumber=2\ndefault=1\n[info1]\ndescription=P3\nratio=3\n"
                     "[info2]\ndescription=P25\nratio=2.5\n");
        WriteCatalog(QStringLiteral("transmission.ini"),
                     "[generic]\nnumber=2\ndefault=1\n"
                     "[info1]\ndescription=Five\n1st=2.5\n2nd=1.8\n3rd=1.4\n4th=1.15\n5th=1\n"
                     "[info2]\ndescription=Six\n1st=3\n2nd=2\n3rd=1.5\n4th=1.2\n5th=1.1\n6th=1\n");
        WriteCatalog(QStringLiteral("drive.ini"),
                     "[generic]\nnumber=2\ndefault=1\n[info1]\ndescription=15T\nratio=15\n"
                     "[info2]\ndescription=16T\nratio=16\n");
        WriteCatalog(QStringLiteral("driven.ini"),
                     "[generic]\nnumber=2\ndefault=1\n[info1]\ndescription=45T\nratio=45\n"
                     "[info2]\ndescription=44T\nratio=44\n");
        WriteCatalog(
            QStringLiteral("tire.ini"),
            "[generic]\nnumber=1\ndefault=1\n[info1]\ndescription=120/70-17\ndia=17\nwid=120\nflt=70\n");
    }

    TForm1& Open() {
        form_ = std::make_unique<TForm1>(&messages_, Directory());
        return *form_;
    }

    QTemporaryDir dir_;
    TMessageRecorder messages_;
    std::unique_ptr<TForm1> form_;
};
