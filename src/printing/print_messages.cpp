#include "printing/print_messages.h"

namespace velocarta {

std::string PrintedToFileText(std::string_view pdfFile) {
    return "The pages were printed to the PDF file:\r\n\r\n" + std::string(pdfFile);
}

std::string BookletPrintedText(std::string_view pdfFile) {
    std::string text = "Booklet printed!\r\n";
    if (!pdfFile.empty()) {
        text += "\r\n" + PrintedToFileText(pdfFile);
    }
    return text;
}

std::string UnableToPrintText(std::string_view what, std::string_view reason) {
    return "Unable to print " + std::string(what) + ".\r\n\r\n" + std::string(reason);
}

}  // namespace velocarta
