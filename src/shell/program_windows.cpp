#include "shell/program_windows.h"

#include "program/program.h"
#include "program/window_roles.h"
#include "shell/form1.h"
#include "shell/form2.h"

namespace velocarta {

ProgramWindows::ProgramWindows(Program& program) : program_(program) {
    PresentWindowsAsWindows();
}

ProgramWindows::~ProgramWindows() {
    // Messages shown while the windows go have no main window to return to.
    program_.attachMainWindow(nullptr);
    form1_.reset();
}

Form2& ProgramWindows::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(program_, *this);
    }
    return *form2_;
}

Form1& ProgramWindows::LoadForm1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>(program_, *this);
        program_.attachMainWindow(form1_.get());
        form1_->Form_Load();
    }
    return *form1_;
}

void ProgramWindows::CloseForm2() {
    if (form2_) {
        form2_->close();
    }
}

}  // namespace velocarta
