#include "media/codec_installer.h"

#include <QWidget>

#include "content/naming.h"
#include "media/media_tables.h"
#include "program/main_window.h"
#include "program/program.h"

namespace velocarta {

void OfferCodecInstaller(Program& program, MainWindow& mainWindow) {
    Services& services = program.services;
    const Answer answer = services.prompter.ask(
        {CodecInstallerQuestion(), kProductTitle, Buttons::YesNo, Icon::Question});
    if (answer != Answer::Yes) {
        return;
    }
    mainWindow.widget()->setEnabled(false);
    std::string reason;
    try {
        if (const auto installer =
                services.fileSystem.resolve(CodecInstaller(program.contentPath))) {
            // Whatever the installer ends with is the user's business with it (a cancelled
            // installation is no failure of ours).
            services.processes.startAndWait(*installer, {});
            mainWindow.widget()->setEnabled(true);
            return;
        }
    } catch (const ProcessError& error) {
        reason = error.what();
    } catch (const FileSystemError&) {
        // The disc cannot be read: the installer is as good as missing.
    }
    program.ShowError("ER003", ErrorSource::Trap, reason);
}

}  // namespace velocarta
