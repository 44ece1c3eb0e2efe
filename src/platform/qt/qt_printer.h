#pragma once

#include <QString>

#include "platform/qt/printer.h"

namespace velocarta {

// Prints to the system's default printer (CUPS); when there is none, or when a folder for
// PDF files is given, to a PDF file whose name says what was printed.
class QtPrinter final : public Printer {
  public:
    QtPrinter() = default;
    explicit QtPrinter(QString pdfFolder) : pdfFolder_(std::move(pdfFolder)) {}

    PrintJob printRichTextPages(const QTextDocument& document, const Margins& margins,
                                const std::string& jobTitle,
                                const std::function<void(int, int)>& progress) override;

  private:
    QString pdfFolder_;
};

// A file in `folder` named after the job, that does not exist yet.
QString PdfFileFor(const QString& folder, const QString& jobTitle);

}  // namespace velocarta
