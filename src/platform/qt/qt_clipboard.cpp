#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <stdexcept>

namespace velocarta {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtClipboard::setImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

void QtClipboard::setPictureFromFile(const std::string& hostPath) {
    QImageReader reader(QString::fromStdString(hostPath));
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw std::runtime_error("Cannot read the picture " + hostPath + ": " +
                                 reader.errorString().toStdString());
    }
    setImage(image);
}

}  // namespace velocarta
