#pragma once

#include <QImage>
#include <string_view>

#include "sampledisc/disc_plan.h"

namespace velocarta::sampledisc {

// The small pictures of a year or edition (emblem, script lettering, clip art), its period
// advertisement, and the four booklet cover graphics, at the item's size.
QImage DrawPicture(const PictureItem& item);

// The pictures the documents embed: a year's emblem, a topic's item, the Kestrix.
QImage DrawYearEmblem(int year, int width, int height);
QImage DrawTopicDrawing(std::string_view code, int width, int height);
QImage DrawKestrixDrawing(int width, int height);

}  // namespace velocarta::sampledisc
