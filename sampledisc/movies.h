#pragma once

#include "sampledisc/avi_writer.h"
#include "sampledisc/disc_plan.h"

namespace velocarta::sampledisc {

// A short film: a title card, then a Vantrel driving through a scene, 320 x 240 at 15
// frames a second, with a fanfare and the car's engine on the sound track.
MjpegMovie MakeMovie(const MovieItem& item);

}  // namespace velocarta::sampledisc
