// A start-up floor: the Kestrigo window with its catalogs but its chart hidden, saved as PNG as
// kestrigo-snapshot --png does. What is left is the cost of Qt's widgets and texts of the window,
// which no work on the chart engine can lower.
#include <QApplication>
#include <QPixmap>

#include "app/Unit1.h"
#include "app/messagebox.h"
#include "chart/chart.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    TMessageRecorder messages;
    TForm1 form(&messages, QString::fromLocal8Bit(argv[1]));
    form.Chart1->hide();
    form.show();
    QApplication::processEvents();
    return form.grab().save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
