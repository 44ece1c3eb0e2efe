#include "screensaver/screen_saver.h"

#include <QWindow>

#include "program/program.h"
#include "screensaver/frm_ss_photo.h"

namespace velocarta {

ScreenSaver::ScreenSaver(Program& program, MainWindow& mainWindow, TextViewer& viewer,
                         OfferPhotoCopy offerPhotoCopy)
    : program_(program),
      mainWindow_(mainWindow),
      panel_(program, mainWindow, viewer, std::move(offerPhotoCopy)) {
    // The list's buttons follow the photo on show after every pick and step, also while
    // the list is out of sight.
    onShow_ = program.onShow.listen([this](OnShow::Change change) {
        if (photoList_ && (change == OnShow::Change::Photo || change == OnShow::Change::Caption)) {
            photoList_->SyncScreenSaverButtons();
        }
    });
}

ScreenSaver::~ScreenSaver() = default;

void ScreenSaver::applyLayout(const MainLayout& layout) {
    panel_.applyLayout(layout);
}

frmSSPhoto& ScreenSaver::LoadPhotoList() {
    if (!photoList_) {
        photoList_ =
            std::make_unique<frmSSPhoto>(program_, mainWindow_, [this] { UnloadPhotoList(); });
        // Its first place: over the top right corner of the photo.
        const MainLayout& layout = mainWindow_.layout();
        const QPoint corner = mainWindow_.surface()->mapToGlobal(
            QPoint(layout.image4.right() - photoList_->width() - 12, layout.image4.top + 12));
        photoList_->move(corner);
        photoList_->Form_Load();
    }
    return *photoList_;
}

void ScreenSaver::UnloadPhotoList() {
    if (photoList_) {
        // The close may come from the window's own button: it goes once that returns.
        photoList_->hide();
        photoList_.release()->deleteLater();
    }
}

void ScreenSaver::OpenPhotoList() {
    frmSSPhoto& list = LoadPhotoList();
    list.SyncScreenSaverButtons();
    list.show();
    QWidget* main = mainWindow_.widget();
    if (list.windowHandle() != nullptr && main->windowHandle() != nullptr) {
        list.windowHandle()->setTransientParent(main->windowHandle());
    }
    list.raise();
    list.activateWindow();
}

void ScreenSaver::ClosePhotoList() {
    if (photoList_) {
        program_.services.windowOrder.setAlwaysOnTop(*photoList_, TopMode::NotTopmost);
        photoList_->close();
    }
}

}  // namespace velocarta
