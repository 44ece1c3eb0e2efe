#include "slide_show_fixture.h"

#include <array>

namespace velocarta::testing {

PhotoCatalogue DesignCatalogue() {
    std::vector<std::string> names;
    std::vector<std::string> years;
    for (int year = 64; year <= 99; ++year) {
        years.push_back(std::to_string(year));
    }
    years.push_back("A0");
    for (const std::string& code : years) {
        for (char photo = 'A'; photo < 'A' + 8; ++photo) {
            names.push_back(code + photo + ".JPG");
        }
    }
    const std::array<std::pair<const char*, int>, 12> topics{{{"PT", 5},
                                                              {"DR", 4},
                                                              {"K1", 4},
                                                              {"K3", 4},
                                                              {"VS", 4},
                                                              {"VM", 4},
                                                              {"TD", 4},
                                                              {"TE", 4},
                                                              {"TF", 4},
                                                              {"VC", 4},
                                                              {"US", 4},
                                                              {"ZZ", 4}}};
    for (const auto& [code, photos] : topics) {
        for (int photo = 1; photo <= photos; ++photo) {
            names.push_back(std::string(code) + "00" + std::to_string(photo) + ".JPG");
        }
    }
    return PhotoCatalogue::FromNames("/cd", std::move(names));
}

PhotoCatalogue SevenPhotoCatalogue() {
    return PhotoCatalogue::FromNames(
        "/cd", {"64A.JPG", "64B.JPG", "65A.JPG", "66A.JPG", "A0A.JPG", "PTA.JPG", "ZZA.JPG"});
}

}  // namespace velocarta::testing
