// Kestrigo: the gearing calculator's window, with its catalogs beside the executable.
#include <QApplication>

#include "app/Unit1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("K.G.R."));
    TForm1 form;
    form.show();
    return QApplication::exec();
}
