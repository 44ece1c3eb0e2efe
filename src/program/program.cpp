#include "program/program.h"

#include <unistd.h>
#include <QWidget>
#include <filesystem>

#include "content/errors.h"
#include "content/naming.h"
#include "program/main_window.h"

namespace velocarta {

Program::Program(Services& services, std::string programFolder, std::string commandLine)
    : services(services),
      programFolder_(std::move(programFolder)),
      commandLine_(std::move(commandLine)) {
    const bool writable = ::access(programFolder_.c_str(), W_OK) == 0;
    storeFolder_ =
        MediaStoreFolder(programFolder_, writable, services.environment.variable("XDG_DATA_HOME"),
                         services.environment.variable("HOME"));
    if (!writable) {
        // The copies' folders are made in it as they are needed.
        std::error_code ignored;
        std::filesystem::create_directories(storeFolder_, ignored);
    }
}

ErrorOutcome Program::ShowError(std::string_view code, ErrorSource source,
                                std::string_view reason) {
    const ErrorReport report =
        DecideErrorReport(code, source == ErrorSource::Trap, onShow.yearButtonIndex(), reason);
    const Answer answer = services.prompter.ask(report.message);
    if (report.offersRetry) {
        if (answer == Answer::Retry) {
            return ErrorOutcome::Retry;
        }
        EndProgram();
        return ErrorOutcome::Ended;
    }
    if (mainWindow_ != nullptr) {
        // Enabled first: a disabled window cannot take the focus.
        if (report.enableMainWindow) {
            mainWindow_->widget()->setEnabled(true);
        }
        if (report.focusButton != 0) {
            mainWindow_->focusYearButton(report.focusButton);
        }
    }
    return ErrorOutcome::Reported;
}

bool Program::BuildPhotoList() {
    auto catalogue =
        PhotoCatalogue::Build(services.fileSystem, photoRoot, [this](const FileSystemError&) {
            return ShowError("ER037", ErrorSource::Trap) == ErrorOutcome::Retry
                       ? RetryChoice::Retry
                       : RetryChoice::GiveUp;
        });
    if (!catalogue) {
        return false;
    }
    photos = std::move(*catalogue);
    return true;
}

bool Program::BuildMovieList() {
    auto list = MovieList::Build(services.fileSystem, contentPath, [this](const FileSystemError&) {
        return ShowError("ER055", ErrorSource::Trap) == ErrorOutcome::Retry ? RetryChoice::Retry
                                                                            : RetryChoice::GiveUp;
    });
    if (!list) {
        return false;
    }
    movies = std::move(*list);
    return true;
}

void Program::EndProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (services.endProgram) {
        services.endProgram();
    }
}

}  // namespace velocarta
