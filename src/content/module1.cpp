#include "content/module1.h"

#include "content/errors.h"
#include "content/rtf/qt/rich_text.h"
#include "reading/txt_form.h"
#include "shell/form1.h"
#include "shell/form2.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>

namespace velocarta {

Module1::Module1(Services& services, std::string programFolder, std::string commandLine)
    : services(services) {
    state.programFolder = std::move(programFolder);
    state.commandLine = std::move(commandLine);
}

Module1::~Module1() {
    // The viewer belongs to the main window; it goes first.
    viewer_.reset();
}

void Module1::LoadRichText(QTextBrowser& box, const ContentFile& document) {
    const auto path = services.fileSystem.resolve(document);
    if (!path) {
        throw RichTextError("Cannot find " + document.full());
    }
    LoadRtfFile(QString::fromStdString(*path), *box.document());
    box.moveCursor(QTextCursor::Start);
}

bool Module1::OpenViewer() {
    try {
        if (!viewer_) {
            // A window of its own, so that callers who disable the main window while it is
            // open do not disable the viewer with it.
            viewer_ = std::make_unique<txtForm>(*this, nullptr);
            viewer_->Form_Load();
        }
        LoadRichText(*viewer_->rtbText, state.documentPath);
    } catch (const RichTextError&) {
        // A viewer that never showed is unloaded, so that the next document takes its own
        // caption.
        viewer_.reset();
        return false;
    }
    viewer_->show();
    if (form1_ && viewer_->windowHandle() && form1_->windowHandle()) {
        viewer_->windowHandle()->setTransientParent(form1_->windowHandle());
    }
    viewer_->raise();
    viewer_->activateWindow();
    return true;
}

void Module1::UnloadViewer() {
    if (viewer_) {
        // The close may come from the viewer's own button: it goes once that returns.
        viewer_->hide();
        viewer_.release()->deleteLater();
    }
}

void Module1::CloseViewer() {
    UnloadViewer();
    if (form1_) {
        form1_->setEnabled(true);
        form1_->FocusYearButton(NextYearButton(state.yearButtonIndex));
    }
}

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
