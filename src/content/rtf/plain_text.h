#pragma once

#include <string>

#include "content/rtf/document.h"

namespace velocarta::rtf {

enum class TableText {
    // A table row is one line, its cells separated by tabs.
    RowPerLine,
    // Every paragraph of every cell is a line of its own, as word processors export text.
    ParagraphPerLine,
};

// The document's text in UTF-8: one line per paragraph, list items with their bullet or
// number and a tab, a line break inside a paragraph as a line end. Hidden text is left out,
// pictures leave nothing.
std::string PlainText(const Document& document, TableText tables = TableText::RowPerLine);

}  // namespace velocarta::rtf
