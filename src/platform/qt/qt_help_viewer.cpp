#include "platform/qt/qt_help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <stdexcept>

namespace velocarta {

QtHelpViewer::~QtHelpViewer() {
    quit();
}

void QtHelpViewer::showContents() {
    QFile file(QString::fromStdString(helpFile_));
    if (helpFile_.empty() || !file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Cannot open the help file " + helpFile_);
    }
    const QString text = QString::fromUtf8(file.readAll());
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setOpenExternalLinks(false);
        window_->resize(640, 560);
        window_->setAccessibleName(QStringLiteral("Help"));
    }
    window_->setWindowTitle(QStringLiteral("The Vantrel Velocarta 2000 Help"));
    window_->setSearchPaths({QFileInfo(file).absolutePath()});
    if (Qt::mightBeRichText(text)) {
        window_->setHtml(text);
    } else {
        window_->setPlainText(text);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtHelpViewer::quit() {
    if (window_) {
        window_->close();
    }
}

}  // namespace velocarta
