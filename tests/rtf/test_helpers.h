#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "content/rtf/document.h"

namespace velocarta::rtf::testing {

// The paragraphs of the document's top level, tables left out.
std::vector<const Paragraph*> Paragraphs(const Document& document);
// The text of a paragraph's runs, hidden runs included.
std::string TextOf(const Paragraph& paragraph);
// The runs of the document's top-level paragraphs, in order.
std::vector<const Run*> Runs(const Document& document);
// The first table of the document's top level, or null.
const Table* FirstTable(const Document& document);
std::string ReadFile(const std::string& path);
// The names of the corpus files with this extension, sorted.
std::vector<std::string> CorpusFiles(std::string_view extension);

}  // namespace velocarta::rtf::testing
