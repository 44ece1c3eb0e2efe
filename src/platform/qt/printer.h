#pragma once

#include <functional>
#include <stdexcept>
#include <string>

class QTextDocument;
class QWidget;

namespace velocarta {

// The printer failed, or something handed to it cannot be printed. Whatever was open is
// abandoned: no job is open afterwards and nothing of it is printed.
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

// How a picture is drawn: at its own size (15 twips to a pixel, as on the screen), or, when
// it would reach past the printable page, made just small enough to end at its edge, or to
// keep as far from its right edge and its foot as the picture is from its left edge.
enum class PictureFit { OwnSize, ShrinkToPage, ShrinkToMargin };

// What an ended print job produced.
struct PrintJob {
    int pages = 0;            // 0: nothing was drawn, so nothing was sent
    std::string printerName;  // the printer that took the job, when it went to one
    std::string pdfFile;      // the file written, when it went to a PDF file
};

// `done` pages of `pages` are printed; the caller may let window events run here. Throwing
// from it abandons the job.
using PrintProgress = std::function<void(int done, int pages)>;

// The printer: the one chosen in Print Setup, else the system's default printer, else a PDF
// file in the user's documents folder. It works as a paper printer does: a job opens with
// the first thing drawn (or with beginDocument), collects pages, and goes to the printer
// as one job, or into one PDF file, when it ends.
//
// Positions of lines and pictures are in twips from the top-left corner of the printable
// page (inside the printer's unprintable strip); the rich-text margins are measured from
// the sheet's physical edge.
//
// Any exception out of a call (a PrintError, or one thrown by a progress callback) leaves
// no job open: the job is abandoned, nothing of it reaches the printer, and no PDF file of
// it is left behind (a PDF appears only complete, when its job ends).
class Printer {
  public:
    virtual ~Printer() = default;

    // Opens a job under this title (the name of its PDF file and of the printer's queue
    // entry). With a job open already, that job goes on under its own title.
    virtual void beginDocument(const std::string& title) = 0;
    virtual bool isJobOpen() const = 0;

    // Prints one line of text in the printer's default font below the one printed before,
    // from the left edge of the printable page; the first line of a page is at its top. A
    // line that would pass the foot of the page goes to the top of a new page.
    virtual void printLine(const std::string& text) = 0;

    // Draws a picture file (JPEG, bitmap, PNG ...) with its top-left corner at x, y.
    virtual void drawPicture(const std::string& hostPath, int xTwips, int yTwips,
                             PictureFit fit = PictureFit::OwnSize) = 0;

    // Ends the current page: what is printed next goes on a new page, and lines start at
    // its top again. A page on which nothing is ever drawn is not printed, so a job that
    // ends right after a new page has no blank page at its end.
    virtual void newPage() = 0;

    // Prints the whole document inside the margins, page after page, starting on the
    // current page (call newPage first when that page already carries something). Each of
    // its pages begins with a blank line, so an empty document still prints one page. The
    // job stays open: end it with endDocument when the text is the whole job.
    // `progress` runs after the layout (0 of n) and after every page. Returns its pages.
    virtual int printRichTextPages(const QTextDocument& document, const Margins& margins,
                                   const PrintProgress& progress) = 0;

    // Ends the job and sends it to the printer, or completes its PDF file. Without an open
    // job, or when nothing was drawn, nothing is sent and the result says 0 pages.
    virtual PrintJob endDocument() = 0;

    // Abandons the open job, if any: nothing of it is printed, no file of it is left.
    virtual void abortDocument() = 0;

    // The system's print set-up dialog: the printer and its settings (paper, orientation,
    // copies) chosen with OK serve every job of this run opened after it (an open job
    // finishes where it began). Cancel keeps the previous choice and returns false.
    virtual bool showSetupDialog(QWidget* parent) = 0;
};

}  // namespace velocarta
