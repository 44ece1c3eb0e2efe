#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "content/on_show.h"
#include "program/main_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace velocarta {

class PhotoCache;
class PhotoView;
class Program;
class SpinButton;
class TextViewer;
struct HandBack;
struct StepOutcome;
struct ViewerRequest;

// The year browser's share of the main window: the 37 year buttons, the caption of the
// year or topic on show, the photo with its number, file name and Details text, the
// photo steps, the four year-text buttons and the topic entries of the menus.
class YearBrowser : public QObject, public MainWindowPart {
    Q_OBJECT

  public:
    YearBrowser(Program& program, MainWindow& mainWindow, TextViewer& viewer);
    ~YearBrowser() override;

    void applyLayout(const MainLayout& layout) override;

    // Shows the year or topic of `caption`: its topic buttons and its first photo
    // ("ER023" when it has none).
    void ChooseYear(const std::string& caption);
    // Shows a merchandise or art-print topic with its Details button.
    void ShowDetailsTopic(const std::string& caption);
    // Switches the topic buttons for the caption on show; the other parts refresh what
    // depends on it.
    void SetTopicButtons();
    void FocusYearButton(int index);
    // Runs when the photo is pressed with the right button, once the screen saver's
    // selection folder is made: the screen saver's photo list opens.
    void onPhotoRightClick(std::function<void()> handler) { photoRightClick_ = std::move(handler); }
    // Takes over the photo the slide show hands back, with its year or topic: the photo,
    // its number and file name, the caption, SetTopicButtons (which closes the show), the
    // Stats caption, the buttons a topic lacks, YearCode, YearButtonIndex, the focus and the
    // photo steps. False, with nothing changed, when the photo cannot be loaded.
    bool ShowHandedBackPhoto(const HandBack& handBack);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls(QWidget* surface, QWidget* yearFrame);
    void ConnectHandlers();
    // Shows what is on show whoever changed it.
    void OnShowChanged(OnShow::Change change);

    // The year selector (year_browser_picks.cpp).
    void cmdYR_Click(int index);
    // True when the key was the year button's to take.
    bool cmdYR_KeyDown(int index, int keyCode);
    void Image4_MouseDown(Qt::MouseButton button);
    void Form_Click();
    void Form_LostFocus();
    void Command1_Click();
    void mnuArt_Click(int index);
    void mnuStuff_Click(int index);
    void mnuSpecialty_Click(int index);
    // After a pick: the photo counter restarts and the direction of the steps is forgotten.
    void ResetPhotoSteps();
    void ShowFirstPhoto(int index);

    // The photo steps (year_browser_steps.cpp).
    void NextPhoto();
    void PreviousPhoto();
    void ApplyStep(const StepOutcome& outcome, bool backward);
    bool DisplayEntry(int k);
    void LoadPicture(int k);
    void PrefetchAround(int k);
    QSize PhotoTargetSize() const;
    // The Details box over the photo, filled with the document of catalogue entry k.
    void LoadDetailsOf(int k);
    void mnuNames_Click();
    void txtFile_Click();

    // The year texts (year_browser_texts.cpp).
    void cmdDesc_Click();
    void cmdStats_Click();
    void cmdColors_Click();
    void cmdOptions_Click();
    void rtbDetails_Click();
    void OpenYearText(const ViewerRequest& request, const char* errorCode);
    void PlaceDetailsBox();

    Program& program_;
    MainWindow& mainWindow_;
    TextViewer& viewer_;
    std::unique_ptr<PhotoCache> photoCache_;
    std::function<void()> photoRightClick_;
    OnShow::Subscription onShow_;
    // Raised by every pick by button, Space or photo click; Space then only presses.
    bool yearPicked_ = false;
    bool showFileNames_ = false;

    std::array<QPushButton*, 38> cmdYR_{};  // 1 .. 37
    QLabel* panYear_ = nullptr;
    PhotoView* Image4_ = nullptr;
    QLabel* panPhoto_ = nullptr;
    QLineEdit* txtFile_ = nullptr;
    SpinButton* SpinButton1_ = nullptr;
    QTextBrowser* rtbDetails_ = nullptr;
    QPushButton* cmdDesc_ = nullptr;
    QPushButton* cmdOptions_ = nullptr;
    QPushButton* cmdStats_ = nullptr;
    QPushButton* cmdColors_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

}  // namespace velocarta
