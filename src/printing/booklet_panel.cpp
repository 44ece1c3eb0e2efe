#include "printing/booklet_panel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

#include "program/controls.h"
#include "program/program.h"

namespace velocarta {

namespace {

// The panel's size and the places of its controls, in pixels.
constexpr int kPanelWidth = 400;
constexpr int kPanelHeight = 330;
constexpr int kLeft = 24;
constexpr int kListTop = 140;
constexpr int kListWidth = 80;
constexpr int kListHeight = 130;
constexpr int kButtonTop = 284;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 32;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

QCheckBox* MakeSectionBox(QWidget* parent, int index, QRect place) {
    const QString caption = QString::fromUtf8(BookletSectionCaptions()[index].data(),
                                              BookletSectionCaptions()[index].size());
    auto* box = new QCheckBox(caption, parent);
    box->setAccessibleName(caption);
    box->setObjectName(QStringLiteral("Check1_%1").arg(index));
    // As wide as its caption: a click beside the caption is no click on the box.
    place.setWidth(std::min(place.width(), box->sizeHint().width()));
    box->setGeometry(place);
    return box;
}

}  // namespace

BookletPanel::BookletPanel(Program& program, MainWindow& mainWindow)
    : program_(program), mainWindow_(mainWindow), layout_(mainWindow.layout()) {
    BuildControls(mainWindow.surface());
    for (int index = 0; index < kBookletSectionCount; ++index) {
        connect(Check1_[index], &QCheckBox::toggled, this, [this] { Check1_Click(); });
    }
    connect(cmdPrint_, &QPushButton::clicked, this, &BookletPanel::cmdPrint_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &BookletPanel::cmdOK_Click);
    mainWindow.onMenu("mnuPrnt", [this](int) { mnuPrnt_Click(); });
}

BookletPanel::~BookletPanel() = default;

void BookletPanel::BuildControls(QWidget* surface) {
    pnlPrint_ = new QFrame(surface);
    pnlPrint_->setObjectName(QStringLiteral("pnlPrint"));
    pnlPrint_->setAccessibleName(QStringLiteral("Print Vantrel Booklet"));
    pnlPrint_->setAccessibleDescription(
        QStringLiteral("The sections and years of the booklet to print"));
    pnlPrint_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlPrint_->setLineWidth(2);
    pnlPrint_->setAutoFillBackground(true);
    pnlPrint_->resize(kPanelWidth, kPanelHeight);

    // Made in the order the keyboard visits them.
    Label3_ = MakeLabel(pnlPrint_, QStringLiteral("Label3"),
                        QStringLiteral("Print Vantrel Booklet"), QRect(0, 10, kPanelWidth, 24));
    Label3_->setAlignment(Qt::AlignCenter);
    QFont title = Label3_->font();
    title.setBold(true);
    title.setPointSize(title.pointSize() + 3);
    Label3_->setFont(title);
    Check1_[0] = MakeSectionBox(pnlPrint_, 0, QRect(kLeft, 44, 160, 22));
    Check1_[1] = MakeSectionBox(pnlPrint_, 1, QRect(kLeft, 68, 160, 22));

    Label5_ = MakeLabel(pnlPrint_, QStringLiteral("Label5"), QStringLiteral("Choose print range:"),
                        QRect(kLeft, 100, 176, 20));
    const QString listCaptions[] = {QStringLiteral("From:"), QStringLiteral("To:")};
    const QString labelNames[] = {QStringLiteral("Label4"), QStringLiteral("Label6")};
    for (int index = 0; index < 2; ++index) {
        const int left = kLeft + index * (kListWidth + 8);
        QLabel* label = MakeLabel(pnlPrint_, labelNames[index], listCaptions[index],
                                  QRect(left, kListTop - 18, kListWidth, 18));
        (index == 0 ? Label4_ : Label6_) = label;
        List1_[index] = new QListWidget(pnlPrint_);
        List1_[index]->setObjectName(QStringLiteral("List1_%1").arg(index));
        List1_[index]->setAccessibleName(listCaptions[index]);
        List1_[index]->setSelectionMode(QAbstractItemView::SingleSelection);
        List1_[index]->setGeometry(left, kListTop, kListWidth, kListHeight);
        label->setBuddy(List1_[index]);
    }

    byYear_ = new QGroupBox(QStringLiteral(" By year "), pnlPrint_);
    byYear_->setObjectName(QStringLiteral("FrameByYear"));
    byYear_->setGeometry(210, 44, 166, kListTop + kListHeight - 44);
    for (int index = 2; index < kBookletSectionCount; ++index) {
        Check1_[index] = MakeSectionBox(byYear_, index, QRect(14, 28 + 32 * (index - 2), 140, 24));
    }

    cmdPrint_ = MakeCommandButton(pnlPrint_, QStringLiteral("cmdPrint"), QStringLiteral("Print"));
    cmdPrint_->setGeometry(kPanelWidth / 2 - kButtonWidth - 10, kButtonTop, kButtonWidth,
                           kButtonHeight);
    cmdOK_ = MakeCommandButton(pnlPrint_, QStringLiteral("cmdOK"), QStringLiteral("Cancel"));
    cmdOK_->setGeometry(kPanelWidth / 2 + 10, kButtonTop, kButtonWidth, kButtonHeight);

    // Each cover picture and each text lies here while it is printed; neither is seen.
    Picture3_ = new QLabel(pnlPrint_);
    Picture3_->setObjectName(QStringLiteral("Picture3"));
    Picture3_->setAccessibleDescription(QStringLiteral("The cover picture being printed"));
    Picture3_->hide();
    rtbText_ = new QTextBrowser(pnlPrint_);
    rtbText_->setObjectName(QStringLiteral("rtbText"));
    rtbText_->setAccessibleName(QStringLiteral("The text being printed"));
    rtbText_->setOpenLinks(false);
    rtbText_->hide();

    pnlPrint_->hide();
}

void BookletPanel::FillYearLists() {
    for (const std::string& year : BookletYearEntries()) {
        List1_[0]->addItem(QString::fromStdString(year));
        List1_[1]->addItem(QString::fromStdString(year));
    }
}

void BookletPanel::applyLayout(const MainLayout& layout) {
    layout_ = layout;
    if (pnlPrint_->isVisible()) {
        Place();
    }
}

void BookletPanel::Place() {
    const PanelPlace place = BookletPanelPlace(layout_, pnlPrint_->width());
    pnlPrint_->move(place.left, place.top);
}

void BookletPanel::mnuPrnt_Click() {
    Place();
    for (QCheckBox* box : Check1_) {
        box->setChecked(false);
    }
    cmdPrint_->setEnabled(false);
    cmdPrint_->setText(QStringLiteral("Print"));
    cmdOK_->setText(QStringLiteral("Cancel"));
    pnlPrint_->show();
    pnlPrint_->raise();
    cmdOK_->setFocus();
}

void BookletPanel::Check1_Click() {
    cmdPrint_->setEnabled(PrintEnabled(CheckedSections()));
}

void BookletPanel::cmdOK_Click() {
    mainWindow_.widget()->setEnabled(true);
    pnlPrint_->hide();
    // The focus would stay on a hidden button: it goes where it goes after a closed window.
    mainWindow_.focusYearButton(program_.onShow.nextYearButton());
}

SectionChecks BookletPanel::CheckedSections() const {
    SectionChecks checks{};
    for (int index = 0; index < kBookletSectionCount; ++index) {
        checks[index] = Check1_[index]->isChecked();
    }
    return checks;
}

std::optional<std::string> BookletPanel::SelectedYear(int list) const {
    const QList<QListWidgetItem*> selected = List1_[list]->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return selected.front()->text().toStdString();
}

}  // namespace velocarta
