#include "media/codec_installer.h"

#include <QWidget>
#include <optional>
#include <string>

#include "content/naming.h"
#include "media/media_tables.h"
#include "program/main_window.h"
#include "program/program.h"

namespace velocarta {

namespace {

// Keeps a window out of the user's reach while it lives.
class Waiting {
  public:
    explicit Waiting(QWidget* window) : window_(window) {
        if (window_ != nullptr) {
            window_->setEnabled(false);
        }
    }
    ~Waiting() {
        if (window_ != nullptr) {
            window_->setEnabled(true);
        }
    }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

  private:
    QWidget* window_;
};

// Runs the installer and waits for its end; the reason it could not be run, if any.
std::optional<std::string> RunInstaller(Program& program) {
    Services& services = program.services;
    try {
        const auto installer = services.fileSystem.resolve(CodecInstaller(program.contentPath));
        if (!installer) {
            return std::string();
        }
        // Whatever the installer ends with is the user's business with it (a cancelled
        // installation is no failure of ours).
        services.processes.startAndWait(*installer, {});
        return std::nullopt;
    } catch (const ProcessError& error) {
        return std::string(error.what());
    } catch (const FileSystemError&) {
        // The disc cannot be read: the installer is as good as missing.
        return std::string();
    }
}

}  // namespace

void OfferCodecInstaller(Program& program, MainWindow& mainWindow, QWidget* alsoWaiting) {
    const Answer answer = program.services.prompter.ask(
        {CodecInstallerQuestion(), kProductTitle, Buttons::YesNo, Icon::Question});
    if (answer != Answer::Yes) {
        return;
    }
    mainWindow.widget()->setEnabled(false);
    std::optional<std::string> failure;
    {
        const Waiting waiting(alsoWaiting);
        failure = RunInstaller(program);
    }
    if (failure) {
        program.ShowError("ER003", ErrorSource::Trap, *failure);
        return;
    }
    mainWindow.widget()->setEnabled(true);
}

}  // namespace velocarta
