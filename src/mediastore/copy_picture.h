#pragma once

#include <QPixmap>
#include <QSize>

namespace velocarta {

// The copy panel's picture: a disc, an arrow and a hard drive.
QPixmap DiscToHardDrivePicture(QSize size);

}  // namespace velocarta
