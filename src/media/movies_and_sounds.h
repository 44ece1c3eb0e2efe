#pragma once

#include <memory>

#include "program/main_window.h"

namespace velocarta {

class Program;
class SoundPanel;
class frmMovie;

// Movies and sounds' share of the main window: the sound-effects panel with its menu entry,
// the movie window with its menu entry, and the offer of the video codec installer.
class MoviesAndSounds : public MainWindowPart {
  public:
    MoviesAndSounds(Program& program, MainWindow& mainWindow);
    ~MoviesAndSounds() override;
    MoviesAndSounds(const MoviesAndSounds&) = delete;
    MoviesAndSounds& operator=(const MoviesAndSounds&) = delete;

    void applyLayout(const MainLayout& layout) override;

  private:
    void mnuSound_Click();
    void mnuMovies_Click();
    void mnuVideo_Click();

    Program& program_;
    MainWindow& mainWindow_;
    // Where the photo lies: the sound panel opens over it.
    Rect image4_;
    SoundPanel* pnlSound_ = nullptr;
    std::unique_ptr<frmMovie> frmMovie_;
    std::unique_ptr<frmMovie> closedMovieWindow_;
};

}  // namespace velocarta
