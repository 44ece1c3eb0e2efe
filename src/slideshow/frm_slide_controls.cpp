// The slide show window's controls, their places and the clock.
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>

#include "program/controls.h"
#include "program/photo_view.h"
#include "program/spin_button.h"
#include "slideshow/clock_texts.h"
#include "slideshow/frm_slide.h"

namespace velocarta {

namespace {

struct BarButtonLook {
    const char* objectName;  // the multimedia control's own name for the button
    const char* label;
    QStyle::StandardPixmap icon;
};

// Left to right, as the bar shows them.
constexpr std::array<BarButtonLook, frmSlide::kBarButtons> kBarButtonLooks{{
    {"mmSlide_Prev", "Bkwd", QStyle::SP_MediaSkipBackward},
    {"mmSlide_Next", "Fwd", QStyle::SP_MediaSkipForward},
    {"mmSlide_Play", "Play", QStyle::SP_MediaPlay},
    {"mmSlide_Pause", "Pause", QStyle::SP_MediaPause},
    {"mmSlide_Back", "Jump Bkwd", QStyle::SP_MediaSeekBackward},
    {"mmSlide_Step", "Jump Fwd", QStyle::SP_MediaSeekForward},
    {"mmSlide_Stop", "Exit", QStyle::SP_MediaStop},
}};

ClockLocale UsersClockLocale() {
    const QLocale locale = QLocale::system();
    ClockLocale clock;
    clock.dateSeparator = DateSeparatorOf(locale.dateFormat(QLocale::ShortFormat).toStdString());
    // Qt counts the weekdays from Monday (1) to Sunday (7).
    for (int weekday = 0; weekday < 7; ++weekday) {
        clock.weekdayNames[static_cast<std::size_t>(weekday)] =
            locale.dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat).toStdString();
    }
    return clock;
}

CivilTime Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(),   date.month(),  date.day(),          time.hour(),
            time.minute(), time.second(), date.dayOfWeek() % 7};
}

}  // namespace

void frmSlide::BuildControls() {
    Image1_ = new PhotoView(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setAccessibleName(QStringLiteral("Photo"));
    Image1_->setToolTip(QStringLiteral("Click the Right mouse button to copy the photo"));

    panYear_ = MakeCaptionPanel(this, QStringLiteral("panYear"), QStringLiteral("panYear"),
                                QStringLiteral("The year or topic of the photo on show"));
    QFont yearFont = panYear_->font();
    yearFont.setBold(true);
    panYear_->setFont(yearFont);
    pnlPhotoNumber_ =
        MakeCaptionPanel(this, QStringLiteral("pnlPhotoNumber"), QString(),
                         QStringLiteral("The photo on show and the number of photos"));
    // Both appear with the first photo on show.
    panYear_->hide();
    pnlPhotoNumber_->hide();

    SSCommand1_ =
        MakeCommandButton(this, QStringLiteral("SSCommand1"), QStringLiteral("Beginning"));
    SSCommand1_->setToolTip(QStringLiteral("Jump to Slide 1"));
    SSCommand2_ = MakeCommandButton(this, QStringLiteral("SSCommand2"), QStringLiteral("Middle"));
    SSCommand2_->setToolTip(QStringLiteral("Jump to Middle"));

    mmSlide_ = new QWidget(this);
    mmSlide_->setObjectName(QStringLiteral("mmSlide"));
    mmSlide_->setAccessibleName(QStringLiteral("Slide show buttons"));
    mmSlide_->setToolTip(
        QStringLiteral("[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]"));
    auto* barLayout = new QHBoxLayout(mmSlide_);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(0);
    for (std::size_t i = 0; i < kBarButtonLooks.size(); ++i) {
        const BarButtonLook& look = kBarButtonLooks[i];
        auto* button = new QPushButton(style()->standardIcon(look.icon), QString(), mmSlide_);
        button->setObjectName(QString::fromUtf8(look.objectName));
        // The button shows an icon only: its label is what a screen reader says.
        button->setAccessibleName(QString::fromUtf8(look.label));
        button->setToolTip(QString::fromUtf8(look.label));
        button->setAutoDefault(false);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        barLayout->addWidget(button);
        bar_[i] = button;
    }

    panInterval_ = MakeCaptionPanel(this, QStringLiteral("panInterval"), QStringLiteral("SSPanel1"),
                                    QStringLiteral("The time each photo is shown"));
    SpinInterval_ = new SpinButton(this, QStringLiteral("Set Slide Show Delay"),
                                   QStringLiteral("Longer delay"), QStringLiteral("Shorter delay"));
    SpinInterval_->setObjectName(QStringLiteral("SpinInterval"));
    SpinInterval_->setToolTip(QStringLiteral("Set Slide Show Delay"));

    PnlCoStar_ = MakeCaptionPanel(this, QStringLiteral("PnlCoStar"),
                                  QStringLiteral("The Vantrel Velocarta  2000"),
                                  QStringLiteral("Product title"));
    StatusDate_ = MakeCaptionPanel(this, QStringLiteral("StatusDate"), QStringLiteral("StatusDate"),
                                   QStringLiteral("Today's date"));
    StatusDay_ = MakeCaptionPanel(this, QStringLiteral("StatusDay"), QStringLiteral("StatusDay"),
                                  QStringLiteral("Today's weekday"));
    StatusTime_ = MakeCaptionPanel(this, QStringLiteral("StatusTime"), QStringLiteral("StatusTime"),
                                   QStringLiteral("The time"));
    cmdExit_ = MakeCommandButton(this, QStringLiteral("cmdExit"), QStringLiteral("Exit"));

    // The keyboard walks the controls from left to right, row by row.
    QWidget::setTabOrder(SSCommand1_, SSCommand2_);
    QWidget* previous = SSCommand2_;
    for (QPushButton* button : bar_) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    QWidget::setTabOrder(previous, cmdExit_);
}

void frmSlide::ApplyLayout(const SlideLayout& layout) {
    const std::pair<QWidget*, const Rect*> places[] = {
        {Image1_, &layout.image1},
        {panYear_, &layout.panYear},
        {SSCommand1_, &layout.ssCommand1},
        {SSCommand2_, &layout.ssCommand2},
        {mmSlide_, &layout.mmSlide},
        {panInterval_, &layout.panInterval},
        {SpinInterval_, &layout.spinInterval},
        {PnlCoStar_, &layout.pnlCoStar},
        {StatusDate_, &layout.statusDate},
        {StatusDay_, &layout.statusDay},
        {StatusTime_, &layout.statusTime},
        {cmdExit_, &layout.cmdExit},
    };
    for (const auto& [control, place] : places) {
        control->setGeometry(PixelsOfTwips(*place));
    }
    // The counter sits in the middle row, between Middle and the delay.
    const Rect& middle = layout.ssCommand2;
    const int counterLeft = middle.right() + 120;
    const int counterRight = layout.spinInterval.left - 120;
    pnlPhotoNumber_->setGeometry(
        PixelsOfTwips({counterLeft, middle.top, counterRight - counterLeft, middle.height}));
    for (QPushButton* button : {SSCommand1_, SSCommand2_, cmdExit_}) {
        FitCaption(button);
    }
}

QSize frmSlide::PhotoTargetSize() const {
    return Image1_->size() * Image1_->devicePixelRatioF();
}

void frmSlide::ArmClock() {
    // The texts change with the second: the next update comes just after it turns.
    const int msecs = QTime::currentTime().msec();
    Timer3_.start(1000 - msecs + 5);
}

void frmSlide::Timer3_Timer() {
    static const ClockLocale locale = UsersClockLocale();
    const ClockTexts texts = FormatClock(Now(), locale);
    StatusTime_->setText(QString::fromStdString(texts.time));
    StatusDate_->setText(QString::fromStdString(texts.date));
    StatusDay_->setText(QString::fromStdString(texts.day));
    ArmClock();
}

}  // namespace velocarta
