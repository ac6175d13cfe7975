// The start-up baseline: a minimal Qt Widgets program that shows an empty 620 x 460 window and saves
// it as PNG, as kestrigo-snapshot --png does with the Kestrigo window.
#include <QApplication>
#include <QPixmap>
#include <QWidget>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    QWidget window;
    window.resize(620, 460);
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
