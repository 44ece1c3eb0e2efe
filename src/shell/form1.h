#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "content/content_file.h"
#include "shell/main_layout.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace velocarta {

class Module1;
class PhotoCache;
struct StepOutcome;
struct ViewerRequest;
class PhotoView;
class SpinButton;

// The main window: the year buttons, the photo of the year or topic on show with its
// number and file name, the topic buttons and the menu bar.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(Module1& module);
    ~Form1() override;

    void Form_Load();
    // The layout for screens that are not exactly 800 by 600 pixels.
    void RelayoutForOtherScreen();
    // The two year lists of the booklet panel: 1964 .. 1999, then 2000.
    void FillYearLists();
    void FocusYearButton(int index);

    const MainLayout& layout() const { return layout_; }
    // A menu entry by its control name and, for control arrays, its index.
    QAction* menuEntry(const std::string& name, int index = -1) const;

    // The year selector.
    void cmdYR_Click(int index);
    void cmdYR_KeyDown(int index, int keyCode, int shift);
    void Image4_MouseDown(Qt::MouseButton button);
    void Form_Click();
    void Form_LostFocus();
    void Command1_Click();
    // Shows the topic the caller has put into the year panel, with its Details button.
    void ShowDetailsTopic();

    // The photo steps.
    void NextPhoto();
    void PreviousPhoto();
    void mnuNames_Click();
    void txtFile_Click();
    // The Details text of the photo on show, and of the photo behind PhotoIndex after a
    // backward step. Throw when the document cannot be shown.
    void LoadPhotoDetails();
    void LoadPhotoDetailsBehind();

    // Shows a photo in the photo control at its size on screen; throws PhotoLoadError.
    void LoadPicture(const ContentFile& photo);
    // Shows catalogue entry k with its number and file name; false when it cannot be shown.
    bool DisplayEntry(int k);
    // Starts decoding the photos a step from entry k may show next.
    void PrefetchAround(int k);
    PhotoCache& photoCache() { return *photoCache_; }

    // The year texts and the document menus.
    void cmdDesc_Click();
    void cmdStats_Click();
    void cmdColors_Click();
    void cmdOptions_Click();
    void rtbDetails_Click();
    // A document entry of the Literature, Miscellaneous or Help menu.
    void OpenMenuDocument(const std::string& menu, int index);
    void mnuArt_Click(int index);
    void mnuStuff_Click(int index);
    void mnuSpecialty_Click(int index);

    // The designed area of the window; centred in the window on every screen.
    QWidget* surface = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<QPushButton*, 38> cmdYR{};  // 1 .. 37
    QLabel* panYear = nullptr;
    PhotoView* Image4 = nullptr;
    QLabel* panPhoto = nullptr;
    QLineEdit* txtFile = nullptr;
    SpinButton* SpinButton1 = nullptr;
    QTextBrowser* rtbDetails = nullptr;
    QPushButton* cmdDesc = nullptr;
    QPushButton* cmdOptions = nullptr;
    QPushButton* cmdStats = nullptr;
    QPushButton* cmdColors = nullptr;
    QPushButton* cmdScript = nullptr;
    QPushButton* cmdEmblem = nullptr;
    QPushButton* cmdClipArt = nullptr;
    QPushButton* cmdAd = nullptr;
    QPushButton* cmdNostalgia = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* picScript = nullptr;
    QLabel* picEmblem = nullptr;
    QLabel* picClipArt = nullptr;
    // The booklet panel; its year lists are filled at start-up.
    QFrame* pnlPrint = nullptr;
    std::array<QListWidget*, 2> List1{};

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenuBar();
    void connectMenuHandlers();
    void applyLayout();
    void centreSurface();
    void onMenu(const std::string& name, std::function<void(int)> handler);

    void cmdExit_Click();
    void mnuExit_Click();
    void connectBrowser();
    void connectReading();
    // Checks that a year text is on the disc and opens it in the viewer, or reports the
    // handler's code.
    void OpenYearText(const ViewerRequest& request);
    // After a pick: the photo counter restarts and the direction of the steps is forgotten.
    void ResetPhotoSteps();
    void ApplyStepFocus(bool topicFocus, int focusButton);
    // Applies what a photo step decided: its message, the focus and the Details text.
    void ApplyStep(const StepOutcome& outcome, bool backward);
    // The Details box over the photo: placed and filled with the document of an entry.
    void LoadDetailsOf(int k);
    QSize PhotoTargetSize() const;

    Module1& module_;
    std::unique_ptr<PhotoCache> photoCache_;
    MainLayout layout_;
    std::map<std::pair<std::string, int>, QAction*> menu_;
};

}  // namespace velocarta
