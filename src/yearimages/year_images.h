#pragma once

#include "content/on_show.h"
#include "program/main_window.h"

class QLabel;
class QPushButton;

namespace velocarta {

class Program;

// The year images' share of the main window: the Script, Emblem, ClipArt, Advertisement
// and Nostalgia buttons, and the three picture boxes over the photo.
class YearImages : public MainWindowPart {
  public:
    YearImages(Program& program, MainWindow& mainWindow);

    void applyLayout(const MainLayout& layout) override;

  private:
    // The buttons the year or topic on show offers.
    void ApplyTopicButtons();
    // A new caption on show: the picture boxes a topic does not have close.
    void Refresh();

    Program& program_;
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
