#pragma once

#include <QColor>
#include <QSize>
#include <string>

namespace velocarta::testing {

class TempFolder;

// A real JPEG of one colour, written under the folder.
void WriteJpeg(const TempFolder& folder, const std::string& rel, QSize size = QSize(64, 48),
               QColor color = Qt::darkBlue);

// A small RTF document whose text is `text`.
void WriteRtf(const TempFolder& folder, const std::string& rel, const std::string& text);

}  // namespace velocarta::testing
