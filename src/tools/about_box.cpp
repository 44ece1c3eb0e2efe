#include "tools/about_box.h"

#include <string>

namespace velocarta {

std::string MakerPanelText() {
    std::string text(kMakerName);
    for (std::string_view line : kMakerAddress) {
        text += '\n';
        text += line;
    }
    text += "\n\n";
    text += kMakerWeb;
    return text;
}

}  // namespace velocarta
