#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "content/on_show.h"
#include "program/main_window.h"

class QLabel;
class QPushButton;

namespace velocarta {

class Program;
class TextViewer;
class ZoomViewer;
struct ContentFile;

// The year images' share of the main window: the Script, Emblem, ClipArt, Advertisement
// and Nostalgia buttons, the emblem, script and clip-art boxes over the photo, the
// nostalgia text (in the text viewer) and the advertisement (in the zoom viewer).
class YearImages : public QObject, public MainWindowPart {
    Q_OBJECT

  public:
    YearImages(Program& program, MainWindow& mainWindow, TextViewer& viewer);
    ~YearImages() override;

    void applyLayout(const MainLayout& layout) override;

    // Run before an advertisement shows: takes the screen saver's photo list out of the
    // always-on-top order and closes it. Set by the main window once that list exists.
    void setScreenSaverListCloser(std::function<void()> closer);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The buttons the year or topic on show offers.
    void ApplyTopicButtons();
    // A new caption on show: the boxes a topic does not have close, the open ones are
    // filled again for it.
    void Refresh();

    // The loaders (year_images_pictures.cpp). Each reports its own code when the picture
    // cannot be shown.
    void LoadEmblem();
    void LoadScript();
    void LoadClipArt();
    // Puts the picture into the box, sized to it; throws PictureLoadError and then leaves
    // the box as it was.
    void Fill(QLabel* box, const ContentFile& picture);
    void PlaceEmblem();
    void PlaceScript();
    void PlaceClipArt();

    // The buttons (year_images_buttons.cpp).
    void cmdEmblem_Click();
    void cmdScript_Click();
    void cmdClipArt_Click();
    void cmdNostalgia_Click();
    void cmdAd_Click();
    void PictureBox_Click(QLabel* box);
    void PictureBox_MouseDown(QLabel* box, Qt::MouseButton button);
    void FocusNextYearButton();

    Program& program_;
    MainWindow& mainWindow_;
    TextViewer& viewer_;
    std::unique_ptr<ZoomViewer> zoomViewer_;
    std::function<void()> closeScreenSaverList_;
    OnShow::Subscription onShow_;

    QPushButton* cmdScript_ = nullptr;
    QPushButton* cmdEmblem_ = nullptr;
    QPushButton* cmdClipArt_ = nullptr;
    QPushButton* cmdAd_ = nullptr;
    QPushButton* cmdNostalgia_ = nullptr;
    QLabel* picScript_ = nullptr;
    QLabel* picEmblem_ = nullptr;
    QLabel* picClipArt_ = nullptr;
};

}  // namespace velocarta
