#include "shell/form1.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

#include "browser/year_browser.h"
#include "content/text.h"
#include "content/utilities.h"
#include "media/movies_and_sounds.h"
#include "mediastore/media_store_panel.h"
#include "printing/booklet_panel.h"
#include "printing/photo_printing.h"
#include "program/controls.h"
#include "program/program.h"
#include "reading/reading_room.h"
#include "screensaver/screen_saver.h"
#include "shell/program_windows.h"
#include "slideshow/slide_show_part.h"
#include "tools/utility_menus.h"
#include "yearimages/year_images.h"

namespace velocarta {

Form1::Form1(Program& program, ProgramWindows& windows)
    : program_(program), windows_(windows), layout_(DesignLayout()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Vantrel Velocarta    2000"));
    BuildSurface();
    BuildMenuBar();

    reading_ = std::make_unique<ReadingRoom>(program, *this);
    yearImages_ = std::make_unique<YearImages>(program, *this, reading_->viewer());
    browser_ = std::make_unique<YearBrowser>(program, *this, reading_->viewer());
    booklet_ = std::make_unique<BookletPanel>(program, *this);
    utilities_ = std::make_unique<UtilityMenus>(program, *this);
    photoPrinting_ = std::make_unique<PhotoPrinting>(program, *this);
    mediaStore_ = std::make_unique<MediaStorePanel>(program, *this);
    // The installation offers the disc's photos for the hard disk through the copy panel.
    screenSaver_ = std::make_unique<ScreenSaver>(program, *this, reading_->viewer(),
                                                 [this](std::function<void(bool copied)> done) {
                                                     mediaStore_->OfferPhotoCopy(std::move(done));
                                                 });
    browser_->onPhotoRightClick([this] { screenSaver_->OpenPhotoList(); });
    // The advertisement takes the photo list off the screen first.
    yearImages_->setScreenSaverListCloser([this] { screenSaver_->ClosePhotoList(); });
    media_ = std::make_unique<MoviesAndSounds>(program, *this);
    slideShow_ = std::make_unique<SlideShowPart>(program, *this, *browser_);
    slideShow_->setCloseScreenSaverList([this] { screenSaver_->ClosePhotoList(); });
    parts_ = {reading_.get(),   yearImages_.get(),    browser_.get(),    booklet_.get(),
              utilities_.get(), photoPrinting_.get(), mediaStore_.get(), screenSaver_.get(),
              media_.get(),     slideShow_.get()};

    // Exit ends the row of year buttons, after them in the keyboard's order.
    cmdExit_ = MakeCommandButton(Frame1_, QStringLiteral("cmdExit"), QStringLiteral("Exit"));
    connect(cmdExit_, &QPushButton::clicked, this, &Form1::cmdExit_Click);
    onMenu("mnuExit", [this](int) { mnuExit_Click(); });
    ApplyLayout();
}

Form1::~Form1() {
    // The parts go before the surface their controls live on.
    parts_.clear();
    slideShow_.reset();
    media_.reset();
    screenSaver_.reset();
    mediaStore_.reset();
    photoPrinting_.reset();
    utilities_.reset();
    booklet_.reset();
    browser_.reset();
    yearImages_.reset();
    reading_.reset();
}

void Form1::BuildSurface() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("FormArea"));
    central->setAutoFillBackground(true);
    setCentralWidget(central);
    surface_ = new QWidget(central);
    surface_->setObjectName(QStringLiteral("DesignSurface"));
    Frame1_ = new QFrame(surface_);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setAccessibleName(QStringLiteral("Model years"));
    // A click that lands on no control is the form's own click.
    central->installEventFilter(this);
    surface_->installEventFilter(this);
}

QWidget* Form1::yearFrame() {
    return Frame1_;
}

void Form1::ApplyLayout() {
    Frame1_->setGeometry(PixelsOf(layout_.frame1));
    for (MainWindowPart* part : parts_) {
        part->applyLayout(layout_);
    }
    cmdExit_->setGeometry(PixelsOfTwips(layout_.exit));

    // The surface holds what the layout places; the frame of the year buttons counts as
    // far as its buttons reach. Panels shown on demand lie inside it already.
    int right = 0;
    int bottom = Frame1_->geometry().bottom();
    for (const QWidget* child : surface_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != Frame1_ && !child->isHidden()) {
            right = std::max(right, child->geometry().right());
            bottom = std::max(bottom, child->geometry().bottom());
        }
    }
    for (const QWidget* child : Frame1_->findChildren<QPushButton*>()) {
        right = std::max(right, Frame1_->x() + child->geometry().right());
    }
    surface_->resize(right + 9, bottom + 5);
    CentreSurface();
}

void Form1::CentreSurface() {
    const QWidget* area = centralWidget();
    surface_->move(std::max(0, (area->width() - surface_->width()) / 2),
                   std::max(0, (area->height() - surface_->height()) / 2));
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    CentreSurface();
}

void Form1::Form_Load() {
    Services& services = program_.services;
    QAction* firstMagazine = menuEntry("mnuMag", 1);
    firstMagazine->setText(
        QString::fromStdString(DoubleAmpersands(firstMagazine->text().toStdString())));
    services.screen.setPointer(Pointer::Default);
    windows_.CloseForm2();
    Frame1_->raise();
    const int width = services.screen.widthPixels();
    const int height = services.screen.heightPixels();
    resize(width, height);
    show();
    // The window with its frame is as large as the screen; the frame is known once shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
    move((width - frameGeometry().width()) / 2, (height - frameGeometry().height()) / 2);
}

void Form1::RelayoutForOtherScreen() {
    layout_ = velocarta::RelayoutForOtherScreen(layout_);
    ApplyLayout();
}

void Form1::FillYearLists() {
    booklet_->FillYearLists();
}

void Form1::focusYearButton(int index) {
    browser_->FocusYearButton(index);
}

void Form1::onFormClick(std::function<void()> handler) {
    formClickHandlers_.push_back(std::move(handler));
}

void Form1::onFormLostFocus(std::function<void()> handler) {
    formLostFocusHandlers_.push_back(std::move(handler));
}

bool Form1::OnBareForm(QObject* watched, const QPointF& position) const {
    const QWidget* area = centralWidget();
    const auto* widget = static_cast<const QWidget*>(watched);
    const QPoint point =
        widget == area ? position.toPoint() : widget->mapTo(area, position.toPoint());
    const QWidget* hit = area->childAt(point);
    return area->rect().contains(point) && (hit == nullptr || hit == surface_);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Presses and releases that a control did not take come here too, passed on from the
    // control: only those that land on no control make the form's click.
    if (watched == centralWidget() || watched == surface_) {
        if (event->type() == QEvent::MouseButtonPress) {
            barePress_ = OnBareForm(watched, static_cast<QMouseEvent*>(event)->position());
        } else if (event->type() == QEvent::MouseButtonRelease && barePress_) {
            barePress_ = false;
            if (OnBareForm(watched, static_cast<QMouseEvent*>(event)->position())) {
                for (const auto& handler : formClickHandlers_) {
                    handler();
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        for (const auto& handler : formLostFocusHandlers_) {
            handler();
        }
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (program_.ended()) {
        QuitHelp(program_.services.help);
        event->accept();
        return;
    }
    Services& services = program_.services;
    const Answer answer = services.prompter.ask(
        {"Exit The Vantrel Velocarta?", kProductTitle, Buttons::OkCancel, Icon::Question});
    if (answer != Answer::Ok) {
        event->ignore();
        return;
    }
    try {
        services.mainDevice.close();
    } catch (const MediaError&) {
        // Nothing is playing that could be stopped; the program ends all the same.
    }
    QuitHelp(services.help);
    event->accept();
    program_.EndProgram();
}

void Form1::cmdExit_Click() {
    close();
}

void Form1::mnuExit_Click() {
    close();
}

}  // namespace velocarta
