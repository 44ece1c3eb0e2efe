#include "media/movies_and_sounds.h"

#include "media/codec_installer.h"
#include "media/frm_movie.h"
#include "media/media_tables.h"
#include "media/sound_panel.h"
#include "program/program.h"

namespace velocarta {

MoviesAndSounds::MoviesAndSounds(Program& program, MainWindow& mainWindow)
    : program_(program), mainWindow_(mainWindow) {
    pnlSound_ = new SoundPanel(program, mainWindow, mainWindow.surface());
    mainWindow.onMenu("mnuSound", [this](int) { mnuSound_Click(); });
    mainWindow.onMenu("mnuMovies", [this](int) { mnuMovies_Click(); });
    mainWindow.onMenu("mnuVideo", [this](int) { mnuVideo_Click(); });
}

MoviesAndSounds::~MoviesAndSounds() = default;

void MoviesAndSounds::applyLayout(const MainLayout& layout) {
    image4_ = layout.image4;
    // Centred over the photo.
    pnlSound_->move(image4_.left + (image4_.width - pnlSound_->width()) / 2, image4_.top);
}

void MoviesAndSounds::mnuSound_Click() {
    pnlSound_->Open(image4_.top);
}

void MoviesAndSounds::mnuMovies_Click() {
    if (frmMovie_) {
        return;  // open already
    }
    closedMovieWindow_.reset();
    // Decided at each opening: movies copied meanwhile are played from the hard disk.
    const std::string movieRoot =
        ChooseMovieRoot(program_.services.fileSystem, program_.storeFolder(), program_.contentPath);
    frmMovie_ = std::make_unique<frmMovie>(program_, mainWindow_, movieRoot);
    frmMovie_->onUnloaded = [this] {
        // The window may be unloading from within its own handler: it is kept, hidden, until
        // the next opening or the end of the program.
        closedMovieWindow_ = std::move(frmMovie_);
    };
    frmMovie_->Form_Load();
}

void MoviesAndSounds::mnuVideo_Click() {
    OfferCodecInstaller(program_, mainWindow_);
}

}  // namespace velocarta
