#pragma once

#include <string>
#include <string_view>

namespace velocarta::testing {

// The text a reader shows of an RTF document, in UTF-8: a paragraph ends in '\n', a table
// cell in '|', a page break is '\f'. Font, colour, style and list tables, document info,
// pictures and the list-number groups are skipped. Written apart from the generator's
// writer (with its own code-page table) so that the two check each other.
std::string RtfPlainText(std::string_view rtf);

// Runs of blanks, tabs and line ends become one blank; none at either end.
std::string CollapseSpace(std::string_view text);

// Whether the braces that are not escaped pair up, never closing more than was opened.
bool BracesBalance(std::string_view rtf);

}  // namespace velocarta::testing
