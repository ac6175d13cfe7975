// Runs the GoogleTest cases inside a QApplication, headless unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The expected texts write decimals with a full stop, which a German desktop's locale would turn
    // into a comma; the tools the tests start inherit this too.
    qputenv("LC_ALL", "C.UTF-8");
    // The window reads and writes its setting memory in the user's data folder: the tests, and the
    // tools they start, get a fresh empty one instead of the real one.
    const QTemporaryDir userData;
    if (!userData.isValid()) return 1;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
