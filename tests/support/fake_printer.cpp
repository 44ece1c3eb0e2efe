#include "support/fake_printer.h"

#include <QTextDocument>

namespace velocarta::testing {

int FakePrinter::printRichTextPages(const QTextDocument& document, const Margins& margins,
                                    const PrintProgress& progress) {
    PrintStep step = PrintStep::richText(document.toPlainText().toStdString(), margins);
    step.document = &document;
    record(step);
    draw();
    currentPage_ += richTextPages - 1;
    draw();
    if (progress) {
        progress(0, richTextPages);
        progress(richTextPages, richTextPages);
    }
    return richTextPages;
}

}  // namespace velocarta::testing
