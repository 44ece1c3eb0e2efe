#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "mediastore/copy_kind.h"
#include "program/main_window.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace velocarta {

class BusyMainWindow;
class Gauge;
class MediaCopy;
class Program;
struct CopyEvent;

// The hard-disk media store's share of the main window: the copy panel pnlProgress, which
// copies every photo or every movie of the disc to the hard disk with a gauge for the file
// and one for the whole copy, and the File menu's entries that copy and remove them.
//
// The copy runs from the event loop, one short step at a time, so the window repaints and
// its Cancel button answers at any moment; the rest of the main window is disabled
// meanwhile. Closing the program during a copy cancels it: the hard disk is left as it was.
class MediaStorePanel : public QObject, public MainWindowPart {
  public:
    MediaStorePanel(Program& program, MainWindow& mainWindow);
    ~MediaStorePanel() override;

    void applyLayout(const MainLayout& layout) override;

    // Offers the copy of the disc's photos, as the screen saver's installation does: the
    // free-space check, then the copy panel for photos, which the user starts or cancels.
    // `done` runs exactly once, when the panel closes for any reason: true when every photo
    // was copied (the program then reads its photos from the hard disk), false when the
    // free-space check refused (before this returns), the user cancelled or declined, a
    // file failed, or the panel was taken over by another copy request. It does not run
    // when the main window goes first (the program is ending).
    void OfferPhotoCopy(std::function<void(bool copied)> done);

  private:
    void BuildControls(QWidget* surface);

    void mnuCopy_Click();
    void mnuCopyMovies_Click();
    void mnuRemove_Click();
    void mnuRemoveMovies_Click();

    // The free-space check and the panel for copyKind_; false when the panel stays hidden.
    bool PrepareCopyPanel();
    void cmdCopy_Click();
    void cmdCancel_Click();
    // Creates the target folder or asks whether to copy again; false when declined.
    bool ConfirmTargetFolder(MediaCopy& copy);
    // Start the plan of every photo (from a catalogue of the disc) or every movie; false
    // when the user gave up on a disc that could not be listed.
    bool CopyAllPhotos(MediaCopy& copy);
    bool CopyAllMovies(MediaCopy& copy);
    // One step of the copy, from the event loop.
    void CopyStep();
    void ShowProgress(const CopyEvent& event);
    void EndCopy(const CopyEvent& last);
    // Hides the panel and tells whoever offered the copy how it ended.
    void ClosePanel(bool copied);

    Program& program_;
    MainWindow& mainWindow_;
    CopyKind copyKind_ = CopyKind::Photos;

    QFrame* pnlProgress_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    Gauge* ProgressGuage_ = nullptr;
    Gauge* ProgressGuage2_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QLabel* Image1_ = nullptr;

    QTimer* stepTimer_ = nullptr;
    std::unique_ptr<MediaCopy> copy_;
    std::unique_ptr<BusyMainWindow> busy_;
    std::function<void(bool)> offerDone_;
};

}  // namespace velocarta
