#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "program/main_window.h"
#include "shell/main_layout.h"

class QFrame;
class QPushButton;

namespace velocarta {

class BookletPanel;
class MediaStorePanel;
class MoviesAndSounds;
class PhotoPrinting;
class Program;
class ProgramWindows;
class ReadingRoom;
class ScreenSaver;
class SlideShowPart;
class UtilityMenus;
class YearBrowser;
class YearImages;

// The main window: the designed surface, the menu bar, the layout and the way out. What
// it shows and does belongs to its parts, one per subsystem, which it only composes.
class Form1 : public QMainWindow, public MainWindow {
    Q_OBJECT

  public:
    Form1(Program& program, ProgramWindows& windows);
    ~Form1() override;

    void Form_Load();
    // The layout for screens that are not exactly 800 by 600 pixels.
    void RelayoutForOtherScreen();
    // The two year lists of the booklet panel: 1964 .. 1999, then 2000.
    void FillYearLists();
    // The copy panel, which the screen saver's installation offers too.
    MediaStorePanel& mediaStore() { return *mediaStore_; }

    // What the parts see of the window.
    QWidget* widget() override { return this; }
    QWidget* surface() override { return surface_; }
    QWidget* yearFrame() override;
    const MainLayout& layout() const override { return layout_; }
    QAction* menuEntry(std::string_view name, int index = -1) const override;
    void onMenu(std::string_view name, std::function<void(int)> handler) override;
    void onFormClick(std::function<void()> handler) override;
    void onFormLostFocus(std::function<void()> handler) override;
    void focusYearButton(int index) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildSurface();
    void BuildMenuBar();
    void ApplyLayout();
    void CentreSurface();
    // Whether a mouse event on the form's area lands on no control.
    bool OnBareForm(QObject* watched, const QPointF& position) const;

    void cmdExit_Click();
    void mnuExit_Click();

    Program& program_;
    ProgramWindows& windows_;
    MainLayout layout_;
    QWidget* surface_ = nullptr;
    QFrame* Frame1_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    std::map<std::pair<std::string, int>, QAction*> menu_;
    std::vector<std::function<void()>> formClickHandlers_;
    std::vector<std::function<void()>> formLostFocusHandlers_;
    bool barePress_ = false;

    // The parts, in the order they are made: each may use those before it.
    std::unique_ptr<ReadingRoom> reading_;
    std::unique_ptr<YearImages> yearImages_;
    std::unique_ptr<YearBrowser> browser_;
    std::unique_ptr<BookletPanel> booklet_;
    std::unique_ptr<UtilityMenus> utilities_;
    std::unique_ptr<PhotoPrinting> photoPrinting_;
    std::unique_ptr<MediaStorePanel> mediaStore_;
    std::unique_ptr<ScreenSaver> screenSaver_;
    std::unique_ptr<MoviesAndSounds> media_;
    std::unique_ptr<SlideShowPart> slideShow_;
    std::vector<MainWindowPart*> parts_;
};

}  // namespace velocarta
