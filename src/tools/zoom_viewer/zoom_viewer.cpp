#include "tools/zoom_viewer/zoom_viewer.h"

#include "program/main_window.h"
#include "program/program.h"
#include "tools/zoom_viewer/frm_scroll.h"

namespace velocarta {

ZoomViewer::ZoomViewer(Program& program, MainWindow& mainWindow)
    : program_(program), mainWindow_(mainWindow) {}

ZoomViewer::~ZoomViewer() = default;

void ZoomViewer::Open(const QPixmap& picture, const std::string& caption,
                      const std::string& yearCaption) {
    window_.reset();
    window_ = std::make_unique<frmScroll>(program_, mainWindow_, [this] { Close(); });
    window_->ShowPicture(picture, QString::fromStdString(caption), yearCaption);
}

void ZoomViewer::Close() {
    if (!window_) {
        return;
    }
    // The close may come from inside one of the viewer's own handlers: it goes once that
    // returns.
    window_->hide();
    window_.release()->deleteLater();
    mainWindow_.widget()->setEnabled(true);
    mainWindow_.focusYearButton(program_.onShow.nextYearButton());
}

}  // namespace velocarta
