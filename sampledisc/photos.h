#pragma once

#include <QImage>
#include <QRectF>
#include <string_view>

#include "sampledisc/disc_plan.h"

class QPainter;

namespace velocarta::sampledisc {

// A photo of a year or topic: a drawn scene with its car or item, and a caption that says
// at once which year or topic and which photo it is ("1965 - photo 2 of 4").
QImage DrawPhoto(const PhotoItem& photo);

// The item of a merchandise topic or the car of an edition, alone in `box` (also used for
// the small drawings of the topic documents).
void DrawTopicSubject(QPainter& painter, const QRectF& box, std::string_view code, int number);

// The scene behind a car: sky, ground and scenery; variant 0 .. 5.
void DrawScene(QPainter& painter, const QRectF& area, int variant, const QColor& sky);

}  // namespace velocarta::sampledisc
