#include "shell/form1.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include "browser/photo_cache.h"
#include "browser/photo_view.h"
#include "browser/spin_button.h"
#include "content/module1.h"
#include "content/naming.h"
#include "content/text.h"
#include "shell/caption_panel.h"
#include "shell/title_picture.h"

namespace velocarta {

namespace {

int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect PixelsOf(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

QRect PixelsOfTwips(const Rect& rect) {
    const int left = TwipsToPixels(rect.left);
    const int top = TwipsToPixels(rect.top);
    return {left, top, TwipsToPixels(rect.right()) - left, TwipsToPixels(rect.bottom()) - top};
}

// Year button captions: the first button of each row shows the whole year.
QString YearButtonCaption(int index) {
    if (index == 1 || index == 20) {
        return QString::number(1963 + index);
    }
    return index == 37 ? QStringLiteral("00") : QString::number(63 + index);
}

// A smaller font where a caption would not fit its button whole.
void FitCaption(QPushButton* button) {
    QFont font = button->parentWidget()->font();
    constexpr int kPadding = 12;
    while (font.pointSize() > 6 &&
           QFontMetrics(font).horizontalAdvance(button->text()) + kPadding > button->width()) {
        font.setPointSize(font.pointSize() - 1);
    }
    button->setFont(font);
}

QLabel* MakeCaptionPanel(QWidget* parent, const QString& name, const QString& caption,
                         const QString& description) {
    auto* panel = new CaptionPanel(caption, parent);
    panel->setObjectName(name);
    // A label's accessible name is the text a screen reader speaks; the description says
    // what the panel is.
    panel->setAccessibleDescription(description);
    return panel;
}

QLabel* PictureBox(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setToolTip(QStringLiteral("Click the Right mouse button to copy"));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->hide();
    return box;
}

}  // namespace

Form1::Form1(Module1& module) : module_(module), layout_(DesignLayout()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Vantrel Velocarta    2000"));
    buildControls();
    buildMenuBar();
    connectMenuHandlers();
    connectBrowser();
    connectReading();
    applyLayout();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("FormArea"));
    central->setAutoFillBackground(true);
    setCentralWidget(central);
    surface = new QWidget(central);
    surface->setObjectName(QStringLiteral("DesignSurface"));

    panYear = MakeCaptionPanel(surface, QStringLiteral("panYear"), QStringLiteral("panYear"),
                               QStringLiteral("The year or topic on show"));
    QFont yearFont = panYear->font();
    yearFont.setPointSize(yearFont.pointSize() + 5);
    yearFont.setBold(true);
    panYear->setFont(yearFont);
    panPhoto = MakeCaptionPanel(surface, QStringLiteral("panPhoto"), QStringLiteral("1"),
                                QStringLiteral("The number of the photo on show"));
    QFont numberFont = panPhoto->font();
    numberFont.setBold(true);
    panPhoto->setFont(numberFont);

    SpinButton1 = new SpinButton(surface);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    // The caption, the photo number and the spin button appear once a year is picked.
    panYear->hide();
    panPhoto->hide();
    SpinButton1->hide();

    txtFile = new QLineEdit(surface);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setAccessibleName(QStringLiteral("File name"));
    txtFile->setReadOnly(true);
    txtFile->hide();

    Image4 = new PhotoView(surface);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setAccessibleName(QStringLiteral("Photo"));
    Image4->setToolTip(
        QStringLiteral("Click the Right mouse button to copy photo or add to Screen Saver"));
    Image4->setImage(TitlePicture(QSize(784, 412)));

    auto topicButton = [this](const char* name, const char* caption) {
        auto* button = new QPushButton(QString::fromUtf8(caption), surface);
        button->setObjectName(QString::fromUtf8(name));
        return button;
    };
    cmdDesc = topicButton("cmdDesc", "Description");
    cmdDesc->setToolTip(QStringLiteral(
        "This button displays a text file describing the selected model year Vantrel."));
    cmdOptions = topicButton("cmdOptions", "Options");
    cmdStats = topicButton("cmdStats", "Engines");
    cmdColors = topicButton("cmdColors", "Colors");
    cmdScript = topicButton("cmdScript", "Script");
    cmdEmblem = topicButton("cmdEmblem", "Emblem");
    cmdClipArt = topicButton("cmdClipArt", "ClipArt ");
    cmdAd = topicButton("cmdAd", "Advertisement");
    cmdNostalgia = topicButton("cmdNostalgia", "Nostalgia");

    picScript = PictureBox(surface, QStringLiteral("picScript"), QStringLiteral("Script"));
    picEmblem = PictureBox(surface, QStringLiteral("picEmblem"), QStringLiteral("Emblem"));
    picClipArt = PictureBox(surface, QStringLiteral("picClipArt"), QStringLiteral("Clip art"));

    rtbDetails = new QTextBrowser(surface);
    rtbDetails->setObjectName(QStringLiteral("rtbDetails"));
    rtbDetails->setAccessibleName(QStringLiteral("Details"));
    rtbDetails->setOpenLinks(false);
    rtbDetails->hide();

    Frame1 = new QFrame(surface);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Model years"));
    for (int index = 1; index <= 37; ++index) {
        auto* button = new QPushButton(YearButtonCaption(index), Frame1);
        button->setObjectName(QStringLiteral("cmdYR_%1").arg(index));
        button->setAccessibleDescription(
            QString::fromStdString("Model year " + YearOfButton(index)));
        button->setAutoDefault(false);
        cmdYR[index] = button;
    }
    // The keyboard walks the year buttons in year order, before everything else.
    for (int index = 1; index < 37; ++index) {
        setTabOrder(cmdYR[index], cmdYR[index + 1]);
    }
    cmdExit = new QPushButton(QStringLiteral("Exit"), Frame1);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    setTabOrder(cmdYR[37], cmdExit);
    connect(cmdExit, &QPushButton::clicked, this, &Form1::cmdExit_Click);

    Command1 = new QPushButton(QStringLiteral("Load Array"), surface);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(700, 4, 92, 30);
    Command1->hide();

    pnlPrint = new QFrame(surface);
    pnlPrint->setObjectName(QStringLiteral("pnlPrint"));
    pnlPrint->setAccessibleName(QStringLiteral("Print Vantrel Booklet"));
    for (int index = 0; index < 2; ++index) {
        List1[index] = new QListWidget(pnlPrint);
        List1[index]->setObjectName(QStringLiteral("List1_%1").arg(index));
        List1[index]->setAccessibleName(index == 0 ? QStringLiteral("From:")
                                                   : QStringLiteral("To:"));
    }
    pnlPrint->hide();
}

void Form1::applyLayout() {
    panYear->setGeometry(PixelsOf(layout_.panYear));
    panPhoto->setGeometry(PixelsOf(layout_.panPhoto));
    SpinButton1->setGeometry(PixelsOf(layout_.spinButton));
    txtFile->setGeometry(PixelsOf(layout_.txtFile));
    Image4->setGeometry(PixelsOf(layout_.image4));
    Frame1->setGeometry(PixelsOf(layout_.frame1));
    const std::pair<QPushButton*, const Rect*> topics[] = {
        {cmdDesc, &layout_.desc},          {cmdOptions, &layout_.options},
        {cmdStats, &layout_.stats},        {cmdColors, &layout_.colors},
        {cmdScript, &layout_.script},      {cmdEmblem, &layout_.emblem},
        {cmdClipArt, &layout_.clipArt},    {cmdAd, &layout_.ad},
        {cmdNostalgia, &layout_.nostalgia}};
    for (const auto& [button, rect] : topics) {
        button->setGeometry(PixelsOf(*rect));
        FitCaption(button);
    }
    for (int index = 1; index <= 37; ++index) {
        cmdYR[index]->setGeometry(PixelsOfTwips(layout_.yearButtons[index]));
    }
    cmdExit->setGeometry(PixelsOfTwips(layout_.exit));
    rtbDetails->setGeometry(PixelsOf(DetailsBoxPlace(layout_)));

    // The surface holds what the layout places; the frame of the year buttons counts as
    // far as its buttons reach.
    int right = 0;
    int bottom = Frame1->geometry().bottom();
    for (QWidget* child : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != Frame1 && child != pnlPrint && child != Command1) {
            right = std::max(right, child->geometry().right());
            bottom = std::max(bottom, child->geometry().bottom());
        }
    }
    for (QWidget* child : Frame1->findChildren<QPushButton*>()) {
        right = std::max(right, Frame1->x() + child->geometry().right());
    }
    surface->resize(right + 9, bottom + 5);
    centreSurface();
}

void Form1::centreSurface() {
    const QWidget* area = centralWidget();
    surface->move(std::max(0, (area->width() - surface->width()) / 2),
                  std::max(0, (area->height() - surface->height()) / 2));
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    centreSurface();
}

void Form1::Form_Load() {
    ProgramState& state = module_.state;
    Services& services = module_.services;

    QAction* firstMagazine = menuEntry("mnuMag", 1);
    firstMagazine->setText(
        QString::fromStdString(DoubleAmpersands(firstMagazine->text().toStdString())));
    state.documentPath = {state.contentPath, "/richtext/desc.rtf"};
    services.screen.setPointer(Pointer::Default);
    module_.CloseForm2();
    Frame1->raise();
    const int width = services.screen.widthPixels();
    const int height = services.screen.heightPixels();
    resize(width, height);
    if (state.hwi()) {
        Command1->show();
    }
    show();
    // The window with its frame is as large as the screen; the frame is known once shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
    move((width - frameGeometry().width()) / 2, (height - frameGeometry().height()) / 2);
}

void Form1::RelayoutForOtherScreen() {
    layout_ = velocarta::RelayoutForOtherScreen(layout_);
    applyLayout();
}

void Form1::FillYearLists() {
    for (int n = 0; n <= 36; ++n) {
        const QString year =
            n == 36 ? QStringLiteral("2000") : QStringLiteral("19") + QString::number(n + 64);
        List1[0]->addItem(year);
        List1[1]->addItem(year);
    }
}

void Form1::FocusYearButton(int index) {
    if (index >= 1 && index <= 37) {
        cmdYR[index]->setFocus(Qt::OtherFocusReason);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (module_.ended()) {
        event->accept();
        return;
    }
    Services& services = module_.services;
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
    event->accept();
    module_.EndProgram();
}

void Form1::cmdExit_Click() {
    close();
}

void Form1::mnuExit_Click() {
    close();
}

}  // namespace velocarta
