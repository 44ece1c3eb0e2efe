#include "reading/text_viewer.h"

#include <QTextBrowser>
#include <QWindow>

#include "content/rtf/qt/rich_text.h"
#include "program/main_window.h"
#include "program/program.h"
#include "program/rich_text_box.h"
#include "reading/txt_form.h"

namespace velocarta {

TextViewer::TextViewer(Program& program, MainWindow& mainWindow)
    : program_(program), mainWindow_(mainWindow) {}

TextViewer::~TextViewer() = default;

bool TextViewer::Open(const ContentFile& document, const std::string& caption) {
    try {
        if (!window_) {
            // A window of its own, so that callers who disable the main window while it is
            // open do not disable the viewer with it.
            window_ = std::make_unique<txtForm>(program_, *this);
            window_->Form_Load(caption);
        }
        LoadRichText(*window_->rtbText, program_.services.fileSystem, document);
    } catch (const RichTextError&) {
        // A viewer that never showed is unloaded, so that the next document takes its own
        // caption.
        window_.reset();
        return false;
    }
    window_->show();
    QWidget* main = mainWindow_.widget();
    if (window_->windowHandle() != nullptr && main->windowHandle() != nullptr) {
        window_->windowHandle()->setTransientParent(main->windowHandle());
    }
    window_->raise();
    window_->activateWindow();
    return true;
}

void TextViewer::Unload() {
    if (window_) {
        // The close may come from the viewer's own button: it goes once that returns.
        window_->hide();
        window_.release()->deleteLater();
    }
}

void TextViewer::Close() {
    Unload();
    mainWindow_.widget()->setEnabled(true);
    mainWindow_.focusYearButton(program_.onShow.nextYearButton());
}

}  // namespace velocarta
