#pragma once

#include <QImage>
#include <string>

namespace velocarta::testing {

// A JPEG file's bytes: 160 x 120 of one colour.
std::string ColourJpeg(Qt::GlobalColor colour);

// An AVI file's bytes: four red, four green and four blue frames at 15 a second, with sound.
std::string TrafficLightMovie();

// The colour an image shows in its centre: 'r', 'g', 'b', or '?' for anything else.
char ColourOf(const QImage& image);

}  // namespace velocarta::testing
