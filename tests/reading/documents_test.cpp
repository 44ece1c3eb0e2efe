#include "reading/documents.h"

#include <gtest/gtest.h>

#include "content/errors.h"
#include "shell/menu_table.h"

namespace velocarta {
namespace {

TEST(DocumentEntries, EveryRowHasAMenuEntryAKnownCodeAndTheCaptionPrefix) {
    EXPECT_EQ(DocumentEntries().size(), 19u);
    for (const DocumentEntry& entry : DocumentEntries()) {
        bool inMenu = false;
        for (const MenuEntry& menu : MenuBarEntries()) {
            inMenu = inMenu || (menu.name == entry.menu && menu.index == entry.index);
        }
        EXPECT_TRUE(inMenu) << entry.menu << entry.index;
        EXPECT_FALSE(ErrorBody(entry.errorCode).empty()) << entry.menu;
        EXPECT_EQ(entry.caption.substr(0, 28), "The Vantrel Velocarta       ") << entry.menu;
        EXPECT_EQ(entry.document.substr(0, 10).find("/", 1), 9u) << entry.document;
    }
}

TEST(DocumentEntries, SelectedRows) {
    struct Case {
        const char* menu;
        int index;
        const char* document;
        const char* caption;
        const char* code;
    };
    const Case cases[] = {
        {"mnuBooks", -1, "/RichText/books.rtf", "The Vantrel Velocarta       Books", "ER004"},
        {"mnuMag", 4, "/richtext/mag4.rtf", "The Vantrel Velocarta       Magazines", "ER008"},
        {"mnuPR", 2, "/richtext/PRMarket.rtf", "The Vantrel Velocarta       1964 Press Release",
         "ER030"},
        {"mnuMisc", 4, "/richtext/timeline.rtf", "The Vantrel Velocarta       Timeline", "ER009"},
        {"mnuIntro", -1, "/RichText/intro.rtf", "The Vantrel Velocarta       Introduction",
         "ER007"},
        {"mnuContrib", -1, "/richtext/contrib.rtf", "The Vantrel Velocarta       Contributions",
         "ER053"},
    };
    for (const Case& c : cases) {
        const DocumentEntry* entry = FindDocumentEntry(c.menu, c.index);
        ASSERT_NE(entry, nullptr) << c.menu;
        EXPECT_EQ(entry->document, c.document);
        EXPECT_EQ(entry->caption, c.caption);
        EXPECT_EQ(entry->errorCode, c.code);
    }
    EXPECT_EQ(FindDocumentEntry("mnuMag", 6), nullptr);
}

TEST(TopicEntries, CaptionsEndInABlank) {
    EXPECT_EQ(TopicEntries().size(), 15u);
    for (const TopicEntry& entry : TopicEntries()) {
        EXPECT_EQ(entry.caption.back(), ' ') << entry.caption;
    }
    EXPECT_EQ(FindTopicEntry("mnuStuff", 1)->caption, "Danbury Mint Die Cast Models ");
    EXPECT_EQ(FindTopicEntry("mnuArt", 2)->caption, "National Vantrel Museum Print ");
    EXPECT_EQ(FindTopicEntry("mnuSpecialty", 0)->selection, TopicSelection::Edition);
}

}  // namespace
}  // namespace velocarta
