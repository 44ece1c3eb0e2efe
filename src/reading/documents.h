#pragma once

#include <span>
#include <string_view>

namespace velocarta {

// A document entry of the menu bar: the entry (by control name and index), its document
// under the content disc, the viewer's caption and the code reported when it cannot be
// opened.
struct DocumentEntry {
    std::string_view menu;
    int index;
    std::string_view document;
    std::string_view caption;
    std::string_view errorCode;
};
std::span<const DocumentEntry> DocumentEntries();
const DocumentEntry* FindDocumentEntry(std::string_view menu, int index);

// A menu entry that selects a topic in the year browser.
enum class TopicSelection { DetailsTopic, StuffTopic, Edition };
struct TopicEntry {
    std::string_view menu;
    int index;
    std::string_view caption;  // the year panel's caption, with its trailing blank
    TopicSelection selection;
};
std::span<const TopicEntry> TopicEntries();
const TopicEntry* FindTopicEntry(std::string_view menu, int index);

}  // namespace velocarta
