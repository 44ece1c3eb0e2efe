#include "platform/qt/qt_process_runner.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringList>

namespace velocarta {

namespace {
QStringList ArgumentsOf(const std::vector<std::string>& args) {
    QStringList list;
    for (const std::string& arg : args) {
        list << QString::fromStdString(arg);
    }
    return list;
}
}  // namespace

void QtProcessRunner::start(const std::string& program, const std::vector<std::string>& args) {
    if (!QProcess::startDetached(QString::fromStdString(program), ArgumentsOf(args))) {
        throw ProcessError("Cannot start " + program);
    }
}

int QtProcessRunner::startAndWait(const std::string& program,
                                  const std::vector<std::string>& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    // The loop ends on the program's end, or on a failure to start it; window events run
    // meanwhile, without polling.
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(
        &process, &QProcess::errorOccurred, &loop, [&loop, &process](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart || process.state() == QProcess::NotRunning) {
                loop.quit();
            }
        });
    process.start(QString::fromStdString(program), ArgumentsOf(args));
    if (process.state() != QProcess::NotRunning) {
        loop.exec();
    }
    if (process.error() == QProcess::FailedToStart) {
        throw ProcessError("Cannot start " + program + ": " + process.errorString().toStdString());
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace velocarta
