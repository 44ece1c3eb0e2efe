#pragma once

#include <QImage>

namespace velocarta {

// The Kestrix, the Vantrel's running kestrel, over the tricolour bar: the picture of the
// start-up window and of the photo before a year is picked.
QImage TitlePicture(QSize size);

}  // namespace velocarta
