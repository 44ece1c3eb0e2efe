#include "reading/txt_form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>

#include "printing/print_messages.h"
#include "program/program.h"
#include "reading/text_viewer.h"

namespace velocarta {

namespace {
// The design's window, in pixels: the document above, the two buttons below it.
constexpr int kWidth = 720;
constexpr int kTextHeight = 440;
constexpr int kButtonHeight = 36;
constexpr int kPrintWidth = 120;
constexpr int kMargin = 8;
}  // namespace

txtForm::txtForm(Program& program, TextViewer& viewer)
    : QDialog(nullptr), program_(program), viewer_(viewer) {
    setObjectName(QStringLiteral("txtForm"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidth + 2 * kMargin, kTextHeight + kButtonHeight + 3 * kMargin);

    rtbText = new QTextBrowser(this);
    rtbText->setObjectName(QStringLiteral("rtbText"));
    rtbText->setAccessibleName(QStringLiteral("Document"));
    // Links show as links; nothing is ever opened by itself.
    rtbText->setOpenLinks(false);
    rtbText->setOpenExternalLinks(false);
    rtbText->setGeometry(kMargin, kMargin, kWidth, kTextHeight);

    cmdPrint = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                               QStringLiteral("Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setGeometry(kMargin, kTextHeight + 2 * kMargin, kPrintWidth, kButtonHeight);
    connect(cmdPrint, &QPushButton::clicked, this, &txtForm::cmdPrint_Click);

    SSCommand1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                 QStringLiteral("Close"), this);
    SSCommand1->setObjectName(QStringLiteral("SSCommand1"));
    SSCommand1->setGeometry(kMargin + kPrintWidth, kTextHeight + 2 * kMargin, kPrintWidth,
                            kButtonHeight);
    SSCommand1->setDefault(true);
    connect(SSCommand1, &QPushButton::clicked, this, &txtForm::SSCommand1_Click);
}

void txtForm::Form_Load(const std::string& caption) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    setWindowTitle(QString::fromStdString(caption));
    // The close button fills the row beside the print button (4 twips between them).
    SSCommand1->setFixedWidth(rtbText->width() - cmdPrint->width());
}

void txtForm::cmdPrint_Click() {
    Services& services = program_.services;
    const Margins oneInch{1440, 1440, 1440, 1440};
    QProgressDialog progress(QStringLiteral("Printing..."), QString(), 0, 0, this);
    progress.setWindowTitle(QString::fromUtf8(kProductTitle));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(400);
    try {
        // The document is the whole job: it is sent when its pages are printed.
        services.printer.beginDocument(windowTitle().toStdString());
        services.printer.printRichTextPages(
            *rtbText->document(), oneInch, [&progress](int done, int pages) {
                progress.setMaximum(pages);
                progress.setValue(done);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
        const PrintJob job = services.printer.endDocument();
        progress.reset();
        if (!job.pdfFile.empty()) {
            services.prompter.ask(
                {PrintedToFileText(job.pdfFile), kProductTitle, Buttons::Ok, Icon::None});
        }
    } catch (const PrintError& error) {
        progress.reset();
        services.prompter.ask({UnableToPrintText("the document", error.what()), kProductTitle,
                               Buttons::Ok, Icon::Exclamation});
    }
}

void txtForm::SSCommand1_Click() {
    viewer_.Close();
}

void txtForm::reject() {
    SSCommand1_Click();
}

}  // namespace velocarta
