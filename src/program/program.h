#pragma once

#include <string>
#include <string_view>

#include "content/catalogue.h"
#include "content/on_show.h"
#include "program/services.h"

namespace velocarta {

class MainWindow;

// Where a numbered message comes from: a failure the handler trapped, or a lookup that
// simply found nothing (only the latter moves the focus to the next year button).
enum class ErrorSource { Trap, Lookup };

// What the user's answer to a numbered message means for the caller.
enum class ErrorOutcome {
    Reported,  // an OK box was shown: the caller abandons its action
    Retry,     // the caller repeats the step that failed
    Ended,     // the user chose Cancel: the program is ending, the caller stops at once
};

// What every part of the program shares for the whole run: the services, where the
// content lies, the photo catalogue, what is on show, the numbered messages and the end of
// the program.
class Program {
  public:
    Program(Services& services, std::string programFolder, std::string commandLine);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Services& services;

    // Where the content lies. Roots never end in '/'. ContentPath is the content disc,
    // PhotoRoot the root whose "/vantrels/" the catalogue lists (the disc, or the program
    // folder once the photos were copied there).
    std::string contentPath;
    std::string photoRoot;
    // The folder of the program file: the start-up sound, the help, the screen saver.
    const std::string& programFolder() const { return programFolder_; }
    // Where the photos and movies copied from the disc and the screen saver's selection
    // live ("/vantrels/", "/movies/", "/ssvantrels/"): the program folder while the user may
    // write there, else a folder of the user's own data.
    const std::string& storeFolder() const { return storeFolder_; }
    // The single argument "HWI" reads everything from the program folder.
    bool hwi() const { return commandLine_ == "HWI"; }

    PhotoCatalogue photos;
    OnShow onShow;

    // Raised when the start-up window has loaded; the first click on the bare main window
    // lowers it.
    bool startupPending = false;
    // Raised by the slide show: the main window refreshes its year controls when it next
    // loses the focus.
    bool slideShowDirty = false;
    // The delay per photo in milliseconds, stepped by the slide show and by the screen
    // saver's panel through 1, 2, 3, 4, 5, 10, 15 ... 60 seconds.
    int photoDelay = 1000;

    // Shows the numbered message of `code`. An OK box enables the main window again and,
    // after a lookup, moves the focus to the year button after the year on show. `reason`:
    // what the failing service said, shown under the numbered text.
    ErrorOutcome ShowError(std::string_view code, ErrorSource source, std::string_view reason = {});

    // The catalogue of every photo under PhotoRoot; false when the user gave up on a
    // failed listing (the program is then ending).
    bool BuildPhotoList();

    // The disc's movies (ContentPath + "/movies/*.avi"), built at start-up and again before
    // the movies are copied; the same answer as BuildPhotoList.
    MovieList movies;
    bool BuildMovieList();

    // Ends the program at once, without the exit question.
    void EndProgram();
    bool ended() const { return ended_; }

    // The main window once it is loaded; messages before that have no window to return to.
    void attachMainWindow(MainWindow* window) { mainWindow_ = window; }
    MainWindow* mainWindow() const { return mainWindow_; }

  private:
    std::string programFolder_;
    std::string storeFolder_;
    std::string commandLine_;
    MainWindow* mainWindow_ = nullptr;
    bool ended_ = false;
};

}  // namespace velocarta
