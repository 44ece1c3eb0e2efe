#include "app/system_services.h"

#include <QApplication>
#include <QWidget>

namespace velocarta {

void SystemServices::EndProgram() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
    }
    QCoreApplication::exit(0);
}

}  // namespace velocarta
