// Printing the booklet: the cover, the overview and the texts of the years, one job, each
// text from a page of its own.
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextBrowser>

#include "printing/booklet_panel.h"
#include "printing/print_messages.h"
#include "program/program.h"
#include "program/rich_text_box.h"

namespace velocarta {

namespace {

constexpr Margins kOneInch{1440, 1440, 1440, 1440};

// The window keeps painting while the printer works; the user's input waits.
void LetWindowsPaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void BookletPanel::cmdPrint_Click() {
    Services& services = program_.services;
    const BookletPlan plan =
        PlanBooklet(program_.contentPath, CheckedSections(), BookletYearValue(SelectedYear(0)),
                    BookletYearValue(SelectedYear(1)));
    services.screen.setPointer(Pointer::Hourglass);
    QProgressDialog progress(QStringLiteral("Printing..."), QString(), 0,
                             static_cast<int>(plan.steps.size()), mainWindow_.widget());
    progress.setWindowTitle(QString::fromUtf8(kProductTitle));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(400);

    std::string pdfFile;
    bool failed = false;
    try {
        if (!plan.steps.empty()) {
            services.printer.beginDocument(std::string(kBookletTitle));
        }
        for (const BookletStep& step : plan.steps) {
            PrintBookletStep(step);
            progress.setValue(progress.value() + 1);
            LetWindowsPaint();
        }
        // A wrong year range stops the run here too: the cover and the overview printed
        // before it go out now rather than with the next print.
        if (services.printer.isJobOpen()) {
            pdfFile = services.printer.endDocument().pdfFile;
        }
    } catch (const std::exception&) {
        failed = true;
        pdfFile = SendWhatIsPrinted();
    }
    progress.reset();
    Picture3_->clear();
    services.screen.setPointer(Pointer::Default);

    if (failed || !plan.rangeError.empty()) {
        // The wrong range is no failure of the run: the focus moves on as after a lookup.
        program_.ShowError(failed ? "ER040" : plan.rangeError,
                           failed ? ErrorSource::Trap : ErrorSource::Lookup);
        TellPrintedToFile(pdfFile);
        return;
    }
    services.prompter.ask(
        {BookletPrintedText(pdfFile), kProductTitle, Buttons::Ok, Icon::Exclamation});
    cmdPrint_->setText(QStringLiteral("Print Again"));
    cmdOK_->setText(QStringLiteral("Exit"));
}

void BookletPanel::PrintBookletStep(const BookletStep& step) {
    Services& services = program_.services;
    switch (step.kind) {
        case BookletStep::Kind::CoverPicture: {
            const std::optional<std::string> path = services.fileSystem.resolve(step.file);
            QPixmap picture;
            if (!path || !picture.load(QString::fromStdString(*path))) {
                throw PrintError("The picture " + step.file.full() + " cannot be read.");
            }
            Picture3_->setPixmap(picture);
            services.printer.drawPicture(*path, step.x, step.y);
            break;
        }
        case BookletStep::Kind::NewPage:
            services.printer.newPage();
            break;
        case BookletStep::Kind::Text:
            LoadRichText(*rtbText_, services.fileSystem, step.file);
            LetWindowsPaint();
            services.printer.printRichTextPages(*rtbText_->document(), kOneInch,
                                                [](int, int) { LetWindowsPaint(); });
            break;
    }
}

std::string BookletPanel::SendWhatIsPrinted() {
    Printer& printer = program_.services.printer;
    if (!printer.isJobOpen()) {
        return {};
    }
    try {
        return printer.endDocument().pdfFile;
    } catch (const PrintError&) {
        // The printer failed as well: the run's report says that nothing more went out.
        return {};
    }
}

void BookletPanel::TellPrintedToFile(const std::string& pdfFile) {
    if (!pdfFile.empty()) {
        program_.services.prompter.ask(
            {PrintedToFileText(pdfFile), kProductTitle, Buttons::Ok, Icon::None});
    }
}

}  // namespace velocarta
