#pragma once

#include <QPointer>

#include "program/main_window.h"

namespace velocarta {

class Program;
class frmAbout;

// The small services of the File and Help menus: the display check, the system-information
// program, the help contents and the About box.
class UtilityMenus : public MainWindowPart {
  public:
    UtilityMenus(Program& program, MainWindow& mainWindow);
    ~UtilityMenus() override;

  private:
    void mnuCheckResolution_Click();
    void mnuSysInfo_Click();
    void mnuContents_Click();
    void mnuAbout_Click();

    Program& program_;
    MainWindow& mainWindow_;
    QPointer<frmAbout> about_;
};

}  // namespace velocarta
