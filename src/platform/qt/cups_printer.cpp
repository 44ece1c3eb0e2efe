// Jobs reach the system's printers through CUPS, the library Qt's own printing runs on. It
// is loaded when the first job is sent, so the program starts and prints to PDF files on a
// system without it.
#include <QByteArray>
#include <QLibrary>
#include <utility>
#include <vector>

#include "platform/qt/qt_printer.h"

namespace velocarta {

namespace {

// The parts of libcups' interface that are used, as its header declares them.
struct CupsOption {
    char* name;
    char* value;
};
using CupsPrintFile = int (*)(const char* printer, const char* file, const char* title,
                              int optionCount, CupsOption* options);
using CupsLastErrorString = const char* (*)();

struct Cups {
    CupsPrintFile printFile = nullptr;
    CupsLastErrorString lastError = nullptr;
};

const Cups& LoadCups() {
    static const Cups cups = [] {
        Cups loaded;
        QLibrary library(QStringLiteral("cups"), 2);
        if (library.load()) {
            loaded.printFile = reinterpret_cast<CupsPrintFile>(library.resolve("cupsPrintFile"));
            loaded.lastError =
                reinterpret_cast<CupsLastErrorString>(library.resolve("cupsLastErrorString"));
        }
        return loaded;
    }();
    return cups;
}

// The options Qt's own printing gives CUPS for the same settings.
std::vector<std::pair<QByteArray, QByteArray>> JobOptions(const PrinterChoice& choice,
                                                          const QPageLayout& paper) {
    std::vector<std::pair<QByteArray, QByteArray>> options;
    options.emplace_back("media", paper.pageSize().key().toUtf8());
    if (choice.copies > 1) {
        options.emplace_back("copies", QByteArray::number(choice.copies));
        if (choice.collate) {
            options.emplace_back("Collate", "True");
        }
    }
    const bool portrait = paper.orientation() == QPageLayout::Portrait;
    switch (choice.duplex) {
        case QPrinter::DuplexNone:
            options.emplace_back("sides", "one-sided");
            break;
        case QPrinter::DuplexAuto:
            options.emplace_back("sides",
                                 portrait ? "two-sided-long-edge" : "two-sided-short-edge");
            break;
        case QPrinter::DuplexLongSide:
            options.emplace_back("sides", "two-sided-long-edge");
            break;
        case QPrinter::DuplexShortSide:
            options.emplace_back("sides", "two-sided-short-edge");
            break;
    }
    if (!portrait) {
        options.emplace_back("landscape", "");
    }
    for (qsizetype i = 0; i + 1 < choice.cupsOptions.size(); i += 2) {
        options.emplace_back(choice.cupsOptions[i].toUtf8(), choice.cupsOptions[i + 1].toUtf8());
    }
    return options;
}

}  // namespace

void SendToCups(const QString& spoolFile, const QString& printerName, const QString& title,
                const PrinterChoice& choice, const QPageLayout& paper) {
    const Cups& cups = LoadCups();
    if (cups.printFile == nullptr) {
        throw PrintError("The printing system (CUPS) is not installed.");
    }
    auto options = JobOptions(choice, paper);
    std::vector<CupsOption> list;
    for (auto& [name, value] : options) {
        list.push_back({name.data(), value.data()});
    }
    // A printer's instance ("name/instance") only chooses its settings; the job goes to the
    // printer itself.
    const QByteArray printer = printerName.section(u'/', 0, 0).toLocal8Bit();
    const int id =
        cups.printFile(printer.constData(), spoolFile.toLocal8Bit().constData(),
                       title.toUtf8().constData(), static_cast<int>(list.size()), list.data());
    if (id == 0) {
        const char* reason = cups.lastError != nullptr ? cups.lastError() : nullptr;
        throw PrintError("The printer " + printerName.toStdString() + " did not take the job" +
                         (reason != nullptr ? std::string(": ") + reason : std::string(".")));
    }
}

}  // namespace velocarta
