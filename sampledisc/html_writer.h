#pragma once

#include <string>

#include "sampledisc/source_text.h"

namespace velocarta::sampledisc {

// The help file: an HTML page (UTF-8) with the title, a contents list that links to every
// heading, and the text. Pictures are left out; a page break becomes a rule.
std::string WriteHelpHtml(const SourceDocument& doc);

}  // namespace velocarta::sampledisc
