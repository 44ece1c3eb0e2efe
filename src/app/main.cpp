#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "app/start_plan.h"
#include "app/start_scale.h"
#include "app/system_services.h"
#include "platform/qt/application_identity.h"
#include "program/program.h"
#include "shell/form2.h"
#include "shell/program_windows.h"

int main(int argc, char** argv) {
    velocarta::StartPlan plan = velocarta::PlanStart(argc, argv);
    if (plan.endNow) {
        return plan.exitStatus;
    }
    // Qt keeps the arguments it is given for as long as the application lives.
    std::vector<char*> arguments;
    for (std::string& argument : plan.arguments) {
        arguments.push_back(argument.data());
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    velocarta::StartScale scale(plan.scale, count, arguments.data());
    QApplication app(count, arguments.data());
    scale.restoreEnvironment();
    velocarta::SetApplicationIdentity();
    // The start-up window closes before the main window opens: the program ends only when
    // it decides to.
    QApplication::setQuitOnLastWindowClosed(false);

    velocarta::SystemServices system;
    // The command line as one text: the single argument "HWI" reads all content from the
    // program folder.
    const QStringList programArguments = QCoreApplication::arguments().mid(1);
    velocarta::Program program(system.services,
                               QCoreApplication::applicationDirPath().toStdString(),
                               programArguments.join(QLatin1Char(' ')).toStdString());
    velocarta::ProgramWindows windows(program);
    QTimer::singleShot(0, &app, [&windows] { windows.form2().Form_Load(); });
    return QApplication::exec();
}
