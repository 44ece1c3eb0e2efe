#pragma once

#include <string>
#include <string_view>

namespace velocarta::rtf {

// The target of a HYPERLINK field instruction (HYPERLINK "http://example.com/a b" \o "tip",
// HYPERLINK \l "anchor"): the address, "#anchor" for a place in the document, or empty
// when the instruction is no hyperlink.
std::string HyperlinkTarget(std::string_view instruction);

}  // namespace velocarta::rtf
