#pragma once

namespace velocarta {

class MainWindow;
class Program;

// Offers to run the video codec installer of the content disc. On Yes the main window is
// disabled until the installer has ended (window events run meanwhile); an installer that
// is missing or cannot be started is reported as "ER003" and the main window is enabled
// again.
void OfferCodecInstaller(Program& program, MainWindow& mainWindow);

}  // namespace velocarta
