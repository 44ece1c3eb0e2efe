#include "printing/photo_printing.h"

#include "printing/photo_page.h"
#include "printing/print_messages.h"
#include "program/program.h"

namespace velocarta {

PhotoPrinting::PhotoPrinting(Program& program, MainWindow& mainWindow)
    : program_(program), mainWindow_(mainWindow) {
    mainWindow.onMenu("mnuPrintPhoto", [this](int) { mnuPrintPhoto_Click(); });
    mainWindow.onMenu("mnuPrint", [this](int) { mnuPrint_Click(); });
}

void PhotoPrinting::mnuPrintPhoto_Click() {
    Services& services = program_.services;
    if (services.prompter.ask({"Would you like to print this photograph?", kProductTitle,
                               Buttons::OkCancel, Icon::Question}) != Answer::Ok) {
        return;
    }
    const OnShow& onShow = program_.onShow;
    services.screen.setPointer(Pointer::Hourglass);
    std::string pdfFile;
    try {
        // The photo is looked for first: a page is printed whole or not at all.
        std::optional<std::string> photo;
        if (const std::optional<ContentFile> file = PhotoOnShowFile(onShow.photoPath())) {
            photo = services.fileSystem.resolve(*file);
            if (!photo) {
                throw PrintError("The photo " + file->full() + " cannot be found.");
            }
        }
        services.printer.beginDocument(PhotoPageTitle(onShow.caption()));
        for (const std::string& line : PhotoPageLines(onShow.caption())) {
            services.printer.printLine(line);
        }
        if (photo) {
            // Photos larger than the page are made just small enough to fit inside it.
            services.printer.drawPicture(*photo, kPhotoPageX, kPhotoPageY,
                                         PictureFit::ShrinkToMargin);
        }
        pdfFile = services.printer.endDocument().pdfFile;
    } catch (const std::exception& error) {
        services.printer.abortDocument();
        services.screen.setPointer(Pointer::Default);
        services.prompter.ask({UnableToPrintText("the photograph", error.what()), kProductTitle,
                               Buttons::Ok, Icon::Exclamation});
        return;
    }
    services.screen.setPointer(Pointer::Default);
    if (!pdfFile.empty()) {
        services.prompter.ask({PrintedToFileText(pdfFile), kProductTitle, Buttons::Ok, Icon::None});
    }
}

void PhotoPrinting::mnuPrint_Click() {
    // Cancel keeps the printer chosen before; there is nothing to report either way.
    program_.services.printer.showSetupDialog(mainWindow_.widget());
}

}  // namespace velocarta
