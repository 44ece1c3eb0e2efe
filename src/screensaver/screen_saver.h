#pragma once

#include <memory>

#include "content/on_show.h"
#include "program/main_window.h"
#include "screensaver/screen_saver_panel.h"

namespace velocarta {

class Program;
class TextViewer;
class frmSSPhoto;

// The screen saver's share of the main window: the photo list frmSSPhoto, which follows the
// photo on show, and the installation panel pnlSSaver.
class ScreenSaver : public MainWindowPart {
  public:
    ScreenSaver(Program& program, MainWindow& mainWindow, TextViewer& viewer,
                OfferPhotoCopy offerPhotoCopy);
    ~ScreenSaver() override;

    void applyLayout(const MainLayout& layout) override;

    // The right button on the photo: shows the photo list, not modal, for the photo on show.
    void OpenPhotoList();
    // Takes the photo list out of the topmost group and closes it (a window that covers
    // the main window is opening).
    void ClosePhotoList();
    bool photoListLoaded() const { return photoList_ != nullptr; }

  private:
    // Creates the window, as yet unseen, when it is not there.
    frmSSPhoto& LoadPhotoList();
    void UnloadPhotoList();

    Program& program_;
    MainWindow& mainWindow_;
    ScreenSaverPanel panel_;
    std::unique_ptr<frmSSPhoto> photoList_;
    OnShow::Subscription onShow_;
};

}  // namespace velocarta
