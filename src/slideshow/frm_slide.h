#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "slideshow/slide_layout.h"
#include "slideshow/slide_show.h"

class QLabel;
class QPushButton;

namespace velocarta {

class PhotoCache;
class PhotoView;
class Program;
class SpinButton;

// The slide show window: the photo, its year and counter, Beginning and Middle, the bar of
// seven buttons, the delay, the product title and the clock. It forwards every event to the
// show (SlideShow) and draws what the show decides; Exit on the bar hands the show's
// decision to whoever opened the window.
class frmSlide : public QDialog, private SlideShowView {
    Q_OBJECT

  public:
    struct Callbacks {
        // Exit on the bar: the show has stopped; apply the hand-over to the main window.
        std::function<void(const HandBack&)> handBack;
        // The window has closed (any way): what the show leaves behind.
        std::function<void(const SlideShowClosing&)> closed;
        // SlideShowActive: while it is lowered, closing the window asks first.
        std::function<bool()> slideShowActive;
    };

    frmSlide(Program& program, Callbacks callbacks);
    ~frmSlide() override;

    // RegisterHelp with this window.
    void Form_Load();
    // Places the controls (in twips inside the window).
    void ApplyLayout(const SlideLayout& layout);
    // Whether the picture of catalogue entry k can be shown; decodes it on the way, so that
    // the show opening at it finds it decoded.
    bool CanShow(int k);
    // Starts the show at startIndex (nothing on show for an index that names no photo).
    void OpenShow(int startIndex, bool playPressed);

    // The bar's buttons in their order: Bkwd, Fwd, Play, Pause, Jump Bkwd, Jump Fwd, Exit.
    enum BarButton { Bkwd, Fwd, Play, Pause, JumpBkwd, JumpFwd, Exit, kBarButtons };

    // The handlers.
    void mmSlide_Click(BarButton button);
    void SSCommand1_Click();
    void SSCommand2_Click();
    void SpinInterval_SpinUp();
    void SpinInterval_SpinDown();
    void cmdExit_Click();
    void Image1_Click();
    void Image1_MouseDown(Qt::MouseButton button);
    void Timer3_Timer();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as cmdExit does.
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The window side of the show.
    bool showPicture(int k) override;
    void render(const SlideScreen& screen) override;
    void reportError(std::string_view code) override;
    void upcoming(int k) override;

    void BuildControls();
    // Runs a user's action on the show, then gives the focus back to Beginning.
    void Act(const std::function<void(SlideShow&)>& action);
    void FocusBeginning();
    // Form_Paint: the focus goes to Beginning unless Play was ever pressed.
    void Form_Paint();
    void Form_QueryUnload(QCloseEvent* event);
    void Form_Unload();
    void ArmClock();
    QSize PhotoTargetSize() const;
    void PrefetchAround(int k);

    Program& program_;
    Callbacks callbacks_;
    std::unique_ptr<PhotoCache> photoCache_;
    bool playPressed_ = false;
    bool unloaded_ = false;
    QTimer Timer3_;

    PhotoView* Image1_ = nullptr;
    QLabel* panYear_ = nullptr;
    QLabel* pnlPhotoNumber_ = nullptr;
    QPushButton* SSCommand1_ = nullptr;
    QPushButton* SSCommand2_ = nullptr;
    QWidget* mmSlide_ = nullptr;
    std::array<QPushButton*, kBarButtons> bar_{};
    QLabel* panInterval_ = nullptr;
    SpinButton* SpinInterval_ = nullptr;
    QLabel* PnlCoStar_ = nullptr;
    QLabel* StatusDate_ = nullptr;
    QLabel* StatusDay_ = nullptr;
    QLabel* StatusTime_ = nullptr;
    QPushButton* cmdExit_ = nullptr;

    // Last, so that it goes first: it may still let go of the timer and the screen saver.
    std::unique_ptr<SlideShow> show_;
};

}  // namespace velocarta
