#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "platform/qt/media_device.h"

class QFrame;
class QPushButton;
class QRadioButton;

namespace velocarta {

class MainWindow;
class Program;
class TransportBar;

// The movie window: one movie at a time, chosen with the option buttons and played in the
// picture box with the device control's Play, Pause and Stop. It is modal over the main
// window, which stays disabled while it is open. The movies are read from `movieRoot` +
// "/movies/".
class frmMovie final : public QWidget {
    Q_OBJECT

  public:
    frmMovie(Program& program, MainWindow& mainWindow, std::string movieRoot);
    ~frmMovie() override;
    frmMovie(const frmMovie&) = delete;
    frmMovie& operator=(const frmMovie&) = delete;

    // Shows the window over the main window with the first movie open.
    void Form_Load();

    // Runs when the window has unloaded: by Exit, by its close box, or at the program's end.
    std::function<void()> onUnloaded;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void optMovie_Click(int index);
    void SSCommand1_Click();  // Exit
    void SSCommand2_Click();  // Help: the codec installer
    void MMControl1_PlayClick();
    void MMControl1_PauseClick();
    void MMControl1_StopClick();
    void Form_Unload();
    // The device changed by itself: the movie ended, or broke off.
    void DeviceChanged(DeviceMode mode, const std::string& failure);
    // "ER045" with what the device said, if anything; the window stays usable.
    void ReportMovieError(std::string_view reason = {});
    void ShowDeviceMode();
    void FitOptionCaptions();
    void CloseDevice();
    // The device closed and free of this window: no listener, no display window.
    void ReleaseDevice();

    Program& program_;
    MainWindow& mainWindow_;
    MediaDevice& device_;
    std::string movieRoot_;
    bool unloaded_ = false;
    // The codec installer runs: the window waits for it and cannot be closed meanwhile.
    bool waitingForInstaller_ = false;

    QFrame* PicMovie_ = nullptr;
    TransportBar* MMControl1_ = nullptr;
    std::array<QRadioButton*, 8> optMovie_{};
    QPushButton* SSCommand2_ = nullptr;
    QPushButton* SSCommand1_ = nullptr;
};

}  // namespace velocarta
