#include "tools/frm_about.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "program/controls.h"
#include "program/title_picture.h"
#include "tools/about_box.h"

namespace velocarta {

namespace {

QString TextOf(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFrame* MakeArea(QWidget* parent, const char* name, const Rect& twips, const QString& what) {
    auto* area = new QFrame(parent);
    area->setObjectName(QString::fromLatin1(name));
    area->setFrameStyle(QFrame::Panel | QFrame::Raised);
    area->setLineWidth(2);
    area->setAccessibleDescription(what);
    area->setGeometry(PixelsOfTwips(twips));
    return area;
}

// A 3-D panel holding text, in the largest size up to `pointSize` that fits it whole.
QLabel* MakeField(QWidget* parent, const AboutField& field, int pointSize, bool bold) {
    auto* label = new QLabel(TextOf(field.caption), parent);
    label->setObjectName(TextOf(field.name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(PixelsOfTwips(field.twips));
    QFont font = label->font();
    font.setBold(bold);
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}

void FitText(QLabel* label) {
    QFont font = label->font();
    const QRect room = label->contentsRect().adjusted(2, 0, -2, 0);
    while (font.pointSize() > 5) {
        const QRect needed = QFontMetrics(font).boundingRect(room, Qt::AlignCenter, label->text());
        if (needed.width() <= room.width() && needed.height() <= room.height()) {
            break;
        }
        font.setPointSize(font.pointSize() - 1);
    }
    label->setFont(font);
}

}  // namespace

frmAbout::frmAbout(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About The Vantrel Velocarta"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(PixelsOfTwips({0, 0, kAboutWidthTwips, kAboutHeightTwips}).size());

    QFrame* SSPanel3 = MakeArea(this, "SSPanel3", kAboutPictureArea,
                                QStringLiteral("The picture of The Vantrel Velocarta 2000"));
    auto* Picture2 = new QLabel(SSPanel3);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(QStringLiteral("Picture of the Kestrix"));
    Picture2->setGeometry(SSPanel3->contentsRect().adjusted(6, 6, -6, -6));
    Picture2->setPixmap(QPixmap::fromImage(TitlePicture(Picture2->size())));

    QFrame* panAbout = MakeArea(this, "panAbout", kAboutLowerArea,
                                QStringLiteral("The product, its rights notice and its maker"));
    for (const AboutField& field : kAboutFields) {
        const bool title = field.name == "SSPanel1";
        QLabel* label = MakeField(panAbout, field, title ? 14 : 9, title);
        if (field.name == "panKestrix") {
            panKestrix_ = label;
            label->setAccessibleDescription(QStringLiteral("The maker"));
        } else if (field.name == "SSPanel2") {
            SSPanel2_ = label;
            label->setAccessibleDescription(QStringLiteral("Rights notice"));
        } else {
            label->setAccessibleDescription(QStringLiteral("Product name"));
            FitText(label);
        }
    }
    SSCommand1_ = MakeCommandButton(panAbout, TextOf(kAboutOk.name), TextOf(kAboutOk.caption));
    SSCommand1_->setGeometry(PixelsOfTwips(kAboutOk.twips));
    SSCommand1_->setDefault(true);
    SSCommand1_->setFocus();
    connect(SSCommand1_, &QPushButton::clicked, this, &frmAbout::SSCommand1_Click);
}

void frmAbout::Form_Load() {
    Centre();
    SSPanel2_->setText(TextOf(kRightsNotice));
    FitText(SSPanel2_);
    panKestrix_->setText(QString::fromStdString(MakerPanelText()));
    FitText(panKestrix_);
}

void frmAbout::Centre() {
    // The box's frame is known once it is shown; until then its inside stands in for it.
    const QRect main = mainWindow_->frameGeometry();
    const QSize box = frameGeometry().size();
    move(main.x() + (main.width() - box.width()) / 2,
         main.y() + (main.height() - box.height()) / 2);
}

void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Centre();
}

void frmAbout::SSCommand1_Click() {
    close();
}

}  // namespace velocarta
