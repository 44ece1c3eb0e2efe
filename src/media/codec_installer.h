#pragma once

class QWidget;

namespace velocarta {

class MainWindow;
class Program;

// Offers to run the video codec installer of the content disc. On Yes the main window is
// disabled until the installer has ended (window events run meanwhile); an installer that
// is missing or cannot be started is reported as "ER003" and the main window is enabled
// again. `alsoWaiting`: a window of its own that waits for the installer with the main
// window (the movie window, when the offer comes from there).
void OfferCodecInstaller(Program& program, MainWindow& mainWindow, QWidget* alsoWaiting = nullptr);

}  // namespace velocarta
