#include "yearimages/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "yearimages/jpeg_structure.h"

namespace velocarta {

namespace {

// Far beyond any picture of the disc; a larger file is not read into memory at all.
constexpr qint64 kLargestPictureFile = qint64{256} * 1024 * 1024;

[[noreturn]] void Fail(const ContentFile& picture, const QString& why) {
    throw PictureLoadError("Cannot read the picture " + picture.full() + ": " + why.toStdString());
}

}  // namespace

QImage LoadPictureFile(FileSystem& fileSystem, const ContentFile& picture) {
    std::optional<std::string> path;
    try {
        path = fileSystem.resolve(picture);
    } catch (const FileSystemError& error) {
        Fail(picture, QString::fromStdString(error.what()));
    }
    if (!path) {
        Fail(picture, QStringLiteral("there is no such file"));
    }
    QFile file(QString::fromStdString(*path));
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(picture, file.errorString());
    }
    if (file.size() > kLargestPictureFile) {
        Fail(picture, QStringLiteral("the file is too large"));
    }
    // Read once: the check for a JPEG cut short and the decoder share the bytes.
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format.isEmpty()) {
        Fail(picture, QStringLiteral("the file holds no picture"));
    }
    if (format == "jpeg" &&
        !JpegIsComplete(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size())))) {
        Fail(picture, QStringLiteral("the picture is cut short"));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        Fail(picture, reader.errorString());
    }
    return image;
}

}  // namespace velocarta
