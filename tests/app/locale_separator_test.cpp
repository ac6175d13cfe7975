// The window and kestrigo-calc agree on the decimal separator also in locales where Qt's own locale
// data and the C library's differ: what the window shows, the command line reads.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "core/inputfields.h"
#include "tests/support/runprocess.h"

namespace {

using kgr_test::RunProcess;

// The locale compiled from the system's definitions into `directory`, for LOCPATH. An 8-bit character
// set compiles in a fraction of UTF-8's time; the numbers are ASCII either way.
bool GenerateLocale(const QString& name, const QString& directory) {
    if (!QFile::exists(QStringLiteral("/usr/share/i18n/locales/") + name)) return false;
    return RunProcess(QStringLiteral("localedef"),
                      {"-c", "-i", name, "-f", "ISO-8859-1", directory + '/' + name},
                      QProcessEnvironment::systemEnvironment())
               .ExitCode <= 1;  // 1: written, with warnings about characters the set lacks
}

TEST(LocaleSeparator, WindowAndCommandLineUseTheCLibrarysSeparator) {
    // af_ZA: the C library writes "1.5", Qt's data "1,5"; es_PE the other way round.
    const struct {
        const char* Locale;
        char Separator;
    } cases[] = {{"af_ZA", '.'}, {"es_PE", ','}};
    QTemporaryDir locales;
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.Locale);
        if (!GenerateLocale(name, locales.path())) GTEST_SKIP() << "cannot generate the locale " << c.Locale;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LOCPATH"), locales.path());
        environment.insert(QStringLiteral("LC_ALL"), name);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

        const QString state = locales.filePath(name + ".json");
        ASSERT_EQ(RunProcess(QStringLiteral(KESTRIGO_BINARY_DIR "/kestrigo-snapshot"), {"--state", state},
                             environment)
                      .ExitCode,
                  0);
        QFile file(state);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonObject window = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject fields = window["fields"].toObject();
        QStringList texts;
        for (const auto& field : kgr::InputFields) texts << fields[QLatin1String(field.Control)].toString();
        EXPECT_TRUE(texts[kgr::ifRatio1].contains(QLatin1Char(c.Separator))) << c.Locale;
        const QString cell = window["grid"].toObject()["rows"].toArray()[5].toArray()[1].toString();
        EXPECT_TRUE(cell.contains(QLatin1Char(c.Separator))) << c.Locale << " " << cell.toStdString();

        // The window's own texts, given to kestrigo-calc, give the window's table.
        const kgr_test::TProcessRun calc =
            RunProcess(QStringLiteral(KESTRIGO_BINARY_DIR "/kestrigo-calc"), texts, environment);
        EXPECT_EQ(calc.ExitCode, 0) << c.Locale;
        EXPECT_TRUE(calc.Output.contains(('"' + cell + '"').toUtf8())) << c.Locale << "\n"
                                                                       << calc.Output.left(300).toStdString();
    }
}

}  // namespace
