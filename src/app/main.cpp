#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "app/system_services.h"
#include "content/module1.h"
#include "platform/qt/application_identity.h"
#include "shell/form2.h"

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
    velocarta::Module1 module(system.services, QCoreApplication::applicationDirPath().toStdString(),
                              arguments.join(QLatin1Char(' ')).toStdString());
    QTimer::singleShot(0, &app, [&module] { module.form2().Form_Load(); });
    return QApplication::exec();
}
