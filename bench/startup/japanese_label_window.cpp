// A start-up floor: the minimal program's window with one Japanese label in the window's font, to
// show what Qt's text stack (fontconfig, FreeType, HarfBuzz, the IPA font) costs on its own.
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    QWidget window;
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    window.setFont(font);
    const QLabel label(QStringLiteral("セッティングパラメータ 一次減速比 最高回転数"), &window);
    window.resize(620, 460);
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
