// The year-text buttons and the document and topic entries of the menu bar.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include "browser/photo_view.h"
#include "content/errors.h"
#include "content/lookup.h"
#include "content/module1.h"
#include "content/naming.h"
#include "content/rtf/qt/rich_text.h"
#include "reading/documents.h"
#include "reading/year_texts.h"
#include "shell/form1.h"

namespace velocarta {

void Form1::connectReading() {
    connect(cmdDesc, &QPushButton::clicked, this, &Form1::cmdDesc_Click);
    connect(cmdStats, &QPushButton::clicked, this, &Form1::cmdStats_Click);
    connect(cmdColors, &QPushButton::clicked, this, &Form1::cmdColors_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &Form1::cmdOptions_Click);
    rtbDetails->viewport()->installEventFilter(this);

    for (const DocumentEntry& entry : DocumentEntries()) {
        const std::string menu(entry.menu);
        const int index = entry.index;
        if (QAction* action = menuEntry(menu, index)) {
            connect(action, &QAction::triggered, this,
                    [this, menu, index] { OpenMenuDocument(menu, index); });
        }
    }
    onMenu("mnuArt", [this](int index) { mnuArt_Click(index); });
    onMenu("mnuStuff", [this](int index) { mnuStuff_Click(index); });
    onMenu("mnuSpecialty", [this](int index) { mnuSpecialty_Click(index); });
}

void Form1::OpenYearText(const ViewerRequest& request) {
    ProgramState& state = module_.state;
    const std::string found = FirstListed(module_.services.fileSystem, request.lookup);
    if (found.empty()) {
        module_.ShowError(ErrorSource::Trap);
        return;
    }
    state.documentPath = {state.contentPath, request.loadFolder + found};
    state.viewerCaption = request.caption;
    if (!module_.OpenViewer()) {
        module_.ShowError(ErrorSource::Trap);
    }
}

void Form1::cmdDesc_Click() {
    module_.state.errorCode = "ER002";
    OpenYearText(DescriptionRequest(module_.state.contentPath, panYear->text().toStdString()));
}

void Form1::cmdStats_Click() {
    ProgramState& state = module_.state;
    state.errorCode = "ER027";
    const std::string caption = panYear->text().toStdString();
    if (caption == kNothingChosen) {
        return;
    }
    FocusYearButton(NextYearButton(state.yearButtonIndex));
    if (rtbDetails->isVisible()) {
        rtbDetails->hide();
        return;
    }
    // The details box lies over the photo, its right edge 10 pixels inside the
    // Advertisement button's.
    rtbDetails->raise();
    const Rect place = DetailsBoxPlace(layout_);
    rtbDetails->setGeometry(place.left, place.top, place.width, place.height);
    const int photoNumber = panPhoto->text().toInt();
    if (const auto details = PerPhotoDetailsDoc(state.contentPath, caption, photoNumber)) {
        try {
            state.documentPath = *details;
            module_.LoadRichText(*rtbDetails, *details);
            rtbDetails->show();
        } catch (const RichTextError&) {
            module_.ShowError(ErrorSource::Trap);
        }
        return;
    }
    OpenYearText(EnginesRequest(state.contentPath, caption));
}

void Form1::cmdColors_Click() {
    module_.state.errorCode = "ER029";
    if (const auto request =
            ColorsRequest(module_.state.contentPath, panYear->text().toStdString())) {
        OpenYearText(*request);
    }
}

void Form1::cmdOptions_Click() {
    module_.state.errorCode = "ER026";
    if (const auto request =
            OptionsRequest(module_.state.contentPath, panYear->text().toStdString())) {
        OpenYearText(*request);
    }
}

void Form1::rtbDetails_Click() {
    rtbDetails->hide();
    FocusYearButton(NextYearButton(module_.state.yearButtonIndex));
}

void Form1::OpenMenuDocument(const std::string& menu, int index) {
    const DocumentEntry* entry = FindDocumentEntry(menu, index);
    if (entry == nullptr) {
        return;
    }
    ProgramState& state = module_.state;
    state.errorCode = std::string(entry->errorCode);
    state.documentPath = {state.contentPath, std::string(entry->document)};
    state.viewerCaption = std::string(entry->caption);
    if (!module_.OpenViewer()) {
        module_.ShowError(ErrorSource::Trap);
    }
}

void Form1::mnuArt_Click(int index) {
    if (const TopicEntry* entry = FindTopicEntry("mnuArt", index)) {
        panYear->setText(
            QString::fromUtf8(entry->caption.data(), static_cast<int>(entry->caption.size())));
        ShowDetailsTopic();
    }
}

void Form1::mnuStuff_Click(int index) {
    if (const TopicEntry* entry = FindTopicEntry("mnuStuff", index)) {
        module_.services.screen.setPointer(Pointer::Hourglass);
        Image4->clear();
        panYear->setText(
            QString::fromUtf8(entry->caption.data(), static_cast<int>(entry->caption.size())));
        ShowDetailsTopic();
    }
}

void Form1::mnuSpecialty_Click(int index) {
    const TopicEntry* entry = FindTopicEntry("mnuSpecialty", index);
    if (entry == nullptr) {
        return;
    }
    ProgramState& state = module_.state;
    module_.services.screen.setPointer(Pointer::Hourglass);
    Image4->clear();
    panYear->setText(
        QString::fromUtf8(entry->caption.data(), static_cast<int>(entry->caption.size())));
    module_.ChooseYear();
    ResetPhotoSteps();
    module_.services.screen.setPointer(Pointer::Default);
    state.yearButtonIndex = 0;
    cmdYR[1]->setEnabled(true);
    FocusYearButton(1);
}

}  // namespace velocarta
