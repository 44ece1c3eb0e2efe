#pragma once

#include <functional>
#include <stdexcept>
#include <string>

class QTextDocument;

namespace velocarta {

class PrintError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Margins in twips (1440 to the inch), measured from the physical edge of the sheet.
struct Margins {
    int left = 1440;
    int top = 1440;
    int right = 1440;
    int bottom = 1440;
};

// What a print job produced.
struct PrintJob {
    int pages = 0;
    std::string printerName;  // the printer that took the job, when it went to one
    std::string pdfFile;      // the file written, when there was no printer
};

// The printer: the one chosen in the system, or a PDF file when the system has none.
class Printer {
  public:
    virtual ~Printer() = default;
    // Prints the whole document, page after page, as one job. `progress(done, pages)` runs
    // after every page. An empty document prints one (blank) page. Throws PrintError.
    virtual PrintJob printRichTextPages(const QTextDocument& document, const Margins& margins,
                                        const std::string& jobTitle,
                                        const std::function<void(int, int)>& progress) = 0;
};

}  // namespace velocarta
