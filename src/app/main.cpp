#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "content/module1.h"
#include "platform/posix/posix_environment.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_instance_guard.h"
#include "platform/qt/qt_media_device.h"
#include "platform/qt/qt_process_runner.h"
#include "platform/qt/qt_prompter.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_window_order.h"
#include "shell/form2.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velocarta"));
    QApplication::setApplicationDisplayName(QStringLiteral("The Vantrel Velocarta 2000"));
    // The start-up window closes before the main window opens: the program ends only when
    // it decides to.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace velocarta;
    QtPrompter prompter;
    PosixFileSystem fileSystem;
    QtScreen screen;
    QtProcessRunner processes;
    QtClipboard clipboard;
    QtWindowOrder windowOrder;
    QtHelpViewer help;
    QtInstanceGuard instanceGuard;
    PosixEnvironment environment;
    QtMediaDevice startupDevice;
    QtMediaDevice mainDevice;
    Services services{prompter,
                      fileSystem,
                      screen,
                      processes,
                      clipboard,
                      windowOrder,
                      help,
                      instanceGuard,
                      environment,
                      startupDevice,
                      mainDevice,
                      [] {
                          for (QWidget* window : QApplication::topLevelWidgets()) {
                              window->close();
                          }
                          QCoreApplication::exit(0);
                      }};

    // The command line as one text: the single argument "HWI" reads all content from the
    // program folder.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    Module1 module(services, QCoreApplication::applicationDirPath().toStdString(),
                   arguments.join(QLatin1Char(' ')).toStdString());
    QTimer::singleShot(0, &app, [&module] { module.form2().Form_Load(); });
    return QApplication::exec();
}
