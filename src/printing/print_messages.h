#pragma once

#include <string>
#include <string_view>

namespace velocarta {

// What the user is told when a job went into a PDF file rather than to a printer, whether
// the system has no printer or Print Setup chose PDF files.
std::string PrintedToFileText(std::string_view pdfFile);

// "Booklet printed!" and a line break; where the file is, when the booklet went to one.
std::string BookletPrintedText(std::string_view pdfFile);

// Something could not be printed ("the photograph", "the document"), and why.
std::string UnableToPrintText(std::string_view what, std::string_view reason);

}  // namespace velocarta
