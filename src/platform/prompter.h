#pragma once

#include <string>

namespace velocarta {

enum class Buttons { Ok, OkCancel, YesNo, RetryCancel };
enum class Icon { None, Critical, Question, Exclamation };
// The answers keep the numbers the program has always stored for them.
enum class Answer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct Message {
    std::string text;  // lines joined by CR LF
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool systemModal = false;
};

// Modal message boxes. The last answer is kept for the whole program, as the exit
// confirmation and the clipboard question share it.
class Prompter {
  public:
    virtual ~Prompter() = default;

    Answer ask(const Message& message) {
        lastAnswer_ = show(message);
        return lastAnswer_;
    }
    Answer lastAnswer() const { return lastAnswer_; }

  protected:
    virtual Answer show(const Message& message) = 0;

  private:
    Answer lastAnswer_ = Answer::Ok;
};

inline constexpr const char* kProductTitle = "The Vantrel Velocarta";

}  // namespace velocarta
