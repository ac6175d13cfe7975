// Kestrigo: the gearing calculator's window, with its catalogs beside the executable or installed.
#include <QApplication>

#include "app/Unit1.h"
#include "app/bandedframestyle.h"
#include "app/qtjapanese.h"
#include "app/startoptions.h"
#include "core/version.h"

int main(int argc, char** argv) {
    if (const auto status = RunWithoutWindow({argv, argv + argc}, CurrentDisplayEnvironment()))
        return *status;
    QApplication app(argc, argv);
    InstallBandedFrameStyle();
    QApplication::setApplicationName(QStringLiteral(KESTRIGO_APP_NAME));
    QApplication::setApplicationVersion(QString::fromLatin1(kgr::KestrigoVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRIGO_APP_ID));
    const TQtJapanese qtJapanese;
    TForm1 form;
    form.show();
    return QApplication::exec();
}
