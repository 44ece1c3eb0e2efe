#include "content/module1.h"

#include "content/errors.h"
#include "shell/form1.h"
#include "shell/form2.h"

namespace velocarta {

Module1::Module1(Services& services, std::string programFolder, std::string commandLine)
    : services(services) {
    state.programFolder = std::move(programFolder);
    state.commandLine = std::move(commandLine);
}

Module1::~Module1() = default;

ErrorOutcome Module1::ShowError(ErrorSource source) {
    const ErrorReport report =
        DecideErrorReport(state.errorCode, source == ErrorSource::Trap, state.yearButtonIndex);
    state.errorMessage = report.message.text;
    const Answer answer = services.prompter.ask(report.message);
    if (report.offersRetry) {
        if (answer == Answer::Retry) {
            return ErrorOutcome::Retry;
        }
        EndProgram();
        return ErrorOutcome::Ended;
    }
    if (form1_) {
        // Enabled first: a disabled window cannot take the focus.
        if (report.enableMainWindow) {
            form1_->setEnabled(true);
        }
        if (report.focusButton != 0) {
            form1_->FocusYearButton(report.focusButton);
        }
    }
    return ErrorOutcome::Reported;
}

bool Module1::BuildPhotoList() {
    state.errorCode = "ER037";
    auto catalogue =
        PhotoCatalogue::Build(services.fileSystem, state.photoRoot, [this](const FileSystemError&) {
            return ShowError() == ErrorOutcome::Retry ? RetryChoice::Retry : RetryChoice::GiveUp;
        });
    if (!catalogue) {
        return false;
    }
    state.photos = std::move(*catalogue);
    return true;
}

void Module1::EndProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (services.endProgram) {
        services.endProgram();
    }
}

Form2& Module1::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(*this);
    }
    return *form2_;
}

Form1& Module1::LoadForm1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>(*this);
        form1_->Form_Load();
    }
    return *form1_;
}

void Module1::CloseForm2() {
    if (form2_) {
        form2_->close();
    }
}

}  // namespace velocarta
