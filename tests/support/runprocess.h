// Runs a program to its end, as the tests that drive the built tools do; a run that hangs is killed.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace kgr_test {

struct TProcessRun {
    int ExitCode = -1;  // also for a crash or a hang
    QByteArray Errors;
    QByteArray Output;
};

inline TProcessRun RunProcess(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError(), process.readAllStandardOutput()};
}

}  // namespace kgr_test
