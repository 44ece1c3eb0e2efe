#include "support/sample_content.h"

#include <QImage>
#include <stdexcept>

#include "support/temp_folder.h"

namespace velocarta::testing {

void WriteJpeg(const TempFolder& folder, const std::string& rel, QSize size, QColor color) {
    const std::string path = folder.writeFile(rel, "");
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    if (!image.save(QString::fromStdString(path), "JPG")) {
        throw std::runtime_error("cannot write " + path);
    }
}

void WriteRtf(const TempFolder& folder, const std::string& rel, const std::string& text) {
    folder.writeFile(rel, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + text + "\\par}");
}

}  // namespace velocarta::testing
