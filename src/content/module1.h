#pragma once

#include <memory>

class QTextBrowser;

#include "content/program_state.h"
#include "shell/services.h"

namespace velocarta {

class Form1;
class Form2;
class txtForm;

// Where a numbered message comes from: a failure the handler trapped, or a lookup that
// simply found nothing (only the latter moves the focus to the next year button).
enum class ErrorSource { Trap, Lookup };

// What the user's answer to a numbered message means for the caller.
enum class ErrorOutcome {
    Reported,  // an OK box was shown: the caller abandons its action
    Retry,     // the caller repeats the step that failed
    Ended,     // the user chose Cancel: the program is ending, the caller stops at once
};

// The program-wide state and the operations the windows share.
class Module1 {
  public:
    Module1(Services& services, std::string programFolder, std::string commandLine);
    ~Module1();
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    ProgramState state;
    Services& services;

    // Shows the message of state.errorCode.
    ErrorOutcome ShowError(ErrorSource source = ErrorSource::Trap);

    // The catalogue of every photo under PhotoRoot; false when the user gave up on a
    // failed listing (the program is then ending).
    bool BuildPhotoList();

    // Shows the year or topic of the year panel's caption: its topic buttons and its first
    // photo ("ER023" when it has none).
    void ChooseYear();
    // Switches the topic buttons and picture boxes of the main window for the caption on
    // show, and closes the slide show and the text viewer.
    void SetTopicButtons();
    // The caption of the year panel.
    std::string YearCaption() const;

    // Loads an RTF document of the content into a rich-text box, shown from its beginning.
    // Throws RichTextError (with a message for the user) when it cannot be shown.
    void LoadRichText(QTextBrowser& box, const ContentFile& document);

    // Opens state.documentPath in the text viewer under state.viewerCaption, modally over the
    // main window. False when the document cannot be shown (the viewer stays closed).
    bool OpenViewer();
    // Unloads the viewer, enables the main window and gives the focus to the year button
    // after the year on show.
    void CloseViewer();
    // Unloads the viewer and nothing more.
    void UnloadViewer();
    txtForm* viewer() const { return viewer_.get(); }

    // Ends the program at once, without the exit question.
    void EndProgram();
    bool ended() const { return ended_; }

    // The windows. Form2 exists from the start until the main window's load closes it.
    Form2& form2();
    Form1* form1() const { return form1_.get(); }
    // Creates and loads the main window (once).
    Form1& LoadForm1();
    void CloseForm2();

  private:
    bool ended_ = false;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<txtForm> viewer_;
};

}  // namespace velocarta
