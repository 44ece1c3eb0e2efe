#include "reading/documents.h"

#include <array>

namespace velocarta {

namespace {

constexpr auto kDocuments = std::to_array<DocumentEntry>({
    {"mnuBooks", -1, "/RichText/books.rtf", "The Vantrel Velocarta       Books", "ER004"},
    {"mnuCatalogs", -1, "/richtext/catalogs.rtf", "The Vantrel Velocarta       Catalogs", "ER005"},
    {"mnuMag", 1, "/richtext/magvi.rtf", "The Vantrel Velocarta       Magazines", "ER008"},
    {"mnuMag", 2, "/richtext/magvm.rtf", "The Vantrel Velocarta       Magazines", "ER008"},
    {"mnuMag", 3, "/richtext/magmvfh.rtf", "The Vantrel Velocarta       Magazines", "ER008"},
    {"mnuMag", 4, "/richtext/mag4.rtf", "The Vantrel Velocarta       Magazines", "ER008"},
    {"mnuMag", 5, "/richtext/mag5.rtf", "The Vantrel Velocarta       Magazines", "ER008"},
    {"mnuPR", 1, "/richtext/PRIntro.rtf", "The Vantrel Velocarta       1964 Press Release",
     "ER030"},
    {"mnuPR", 2, "/richtext/PRMarket.rtf", "The Vantrel Velocarta       1964 Press Release",
     "ER030"},
    {"mnuPR", 3, "/richtext/PROptions.rtf", "The Vantrel Velocarta       1964 Press Release",
     "ER030"},
    {"mnuMisc", 1, "/richtext/engines.rtf", "The Vantrel Velocarta       Engines", "ER009"},
    {"mnuMisc", 2, "/richtext/glossary.rtf", "The Vantrel Velocarta       Glossary", "ER009"},
    {"mnuMisc", 3, "/richtext/idvantrel.rtf", "The Vantrel Velocarta       Identification Guide",
     "ER009"},
    {"mnuMisc", 4, "/richtext/timeline.rtf", "The Vantrel Velocarta       Timeline", "ER009"},
    {"mnuWhatsNew", -1, "/richtext/whatsnew.rtf", "The Vantrel Velocarta       What's New",
     "ER056"},
    {"mnuIntro", -1, "/RichText/intro.rtf", "The Vantrel Velocarta       Introduction", "ER007"},
    {"mnuNotice", -1, "/richtext/notice.rtf", "The Vantrel Velocarta       Notice", "ER025"},
    {"mnuCredits", -1, "/richtext/credits.rtf", "The Vantrel Velocarta       Credits", "ER010"},
    {"mnuContrib", -1, "/richtext/contrib.rtf", "The Vantrel Velocarta       Contributions",
     "ER053"},
});

constexpr auto kTopics = std::to_array<TopicEntry>({
    {"mnuArt", 1, "Lorin Vasse Art Print ", TopicSelection::DetailsTopic},
    {"mnuArt", 2, "National Vantrel Museum Print ", TopicSelection::DetailsTopic},
    {"mnuArt", 3, "Edric Tamm Art Print ", TopicSelection::DetailsTopic},
    {"mnuStuff", 1, "Danbury Mint Die Cast Models ", TopicSelection::StuffTopic},
    {"mnuStuff", 2, "Franklin Mint Collector Knives ", TopicSelection::StuffTopic},
    {"mnuStuff", 3, "Franklin Mint Die Cast Models ", TopicSelection::StuffTopic},
    {"mnuStuff", 4, "Vantrel Cookies ", TopicSelection::StuffTopic},
    {"mnuStuff", 5, "Vantrel Metal Signs ", TopicSelection::StuffTopic},
    {"mnuStuff", 6, "The Vantrel Monopoly Game ", TopicSelection::StuffTopic},
    {"mnuStuff", 7, "Vantrel Postage Stamps ", TopicSelection::StuffTopic},
    {"mnuSpecialty", 0, "The Classic Dorran ", TopicSelection::Edition},
    {"mnuSpecialty", 1, "Early Vantrel Prototypes ", TopicSelection::Edition},
    {"mnuSpecialty", 2, "Vantrel Kite I ", TopicSelection::Edition},
    {"mnuSpecialty", 3, "Vantrel Kite III ", TopicSelection::Edition},
    {"mnuSpecialty", 4, "Vantrel Super Stravon ", TopicSelection::Edition},
});

}  // namespace

std::span<const DocumentEntry> DocumentEntries() {
    return kDocuments;
}

const DocumentEntry* FindDocumentEntry(std::string_view menu, int index) {
    for (const DocumentEntry& entry : kDocuments) {
        if (entry.menu == menu && entry.index == index) {
            return &entry;
        }
    }
    return nullptr;
}

std::span<const TopicEntry> TopicEntries() {
    return kTopics;
}

const TopicEntry* FindTopicEntry(std::string_view menu, int index) {
    for (const TopicEntry& entry : kTopics) {
        if (entry.menu == menu && entry.index == index) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace velocarta
