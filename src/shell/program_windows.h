#pragma once

#include <memory>

namespace velocarta {

class Form1;
class Form2;
class Program;

// The program's two top windows: the start-up window, from the start until the main
// window's load closes it, and the main window, loaded once by the start-up timer.
class ProgramWindows {
  public:
    explicit ProgramWindows(Program& program);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    Form2& form2();
    // Creates and loads the main window (once).
    Form1& LoadForm1();
    Form1* form1() const { return form1_.get(); }
    void CloseForm2();

  private:
    Program& program_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form1> form1_;
};

}  // namespace velocarta
