#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "app/system_services.h"
#include "platform/qt/application_identity.h"
#include "program/program.h"
#include "shell/form2.h"
#include "shell/program_windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velocarta::SetApplicationIdentity();
    // The start-up window closes before the main window opens: the program ends only when
    // it decides to.
    QApplication::setQuitOnLastWindowClosed(false);

    velocarta::SystemServices system;
    // The command line as one text: the single argument "HWI" reads all content from the
    // program folder.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    velocarta::Program program(system.services,
                               QCoreApplication::applicationDirPath().toStdString(),
                               arguments.join(QLatin1Char(' ')).toStdString());
    velocarta::ProgramWindows windows(program);
    QTimer::singleShot(0, &app, [&windows] { windows.form2().Form_Load(); });
    return QApplication::exec();
}
