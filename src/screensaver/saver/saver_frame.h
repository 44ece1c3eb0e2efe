#pragma once

#include <QImage>
#include <QString>
#include <string>

namespace velocarta {

// A photo read for the screen saver, turned as its camera says; no larger than needed to
// fill `screen` (a null image when the file cannot be read as a picture).
QImage ReadSaverPhoto(const std::string& path, QSize screen);

// What the screen shows: the photo as large as fits, not distorted, in the middle of a
// black screen; without a photo, the product's name and `message`.
QImage SaverFrame(const QImage& photo, QSize size, const QString& message);

}  // namespace velocarta
