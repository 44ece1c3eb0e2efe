// The printer's double keeps jobs open and closed, and counts pages, as the real printer
// does: window tests that run on it expect what the real printer will do.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <functional>

#include "platform/qt/qt_printer.h"
#include "support/fake_printer.h"
#include "support/sample_content.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::FakePrinter;
using testing::PrintStep;
using testing::TempFolder;

TEST(PrinterDouble, OpensClosesAndCountsPagesAsTheRealPrinter) {
    TempFolder folder;
    testing::WriteJpeg(folder, "/p.jpg");
    const std::string picture = folder.path() + "/p.jpg";
    QTextDocument text;
    text.setPlainText(QStringLiteral("One page"));
    const std::function<void(Printer&)> steps[] = {
        [](Printer& p) { p.beginDocument("Job"); },
        [&](Printer& p) { p.drawPicture(picture, 1600, 1600); },
        [](Printer& p) { p.newPage(); },
        [&](Printer& p) { p.printRichTextPages(text, Margins{}, nullptr); },
        [](Printer& p) { p.newPage(); },
        [](Printer& p) { p.newPage(); },
        [](Printer& p) { p.printLine("After a blank page"); },
        [](Printer& p) { p.newPage(); },
    };
    QtPrinter real(QString::fromStdString(folder.path() + "/out"));
    FakePrinter fake;
    for (const auto& step : steps) {
        step(real);
        step(fake);
        EXPECT_EQ(fake.isJobOpen(), real.isJobOpen());
    }
    EXPECT_EQ(fake.endDocument().pages, real.endDocument().pages);
    EXPECT_EQ(fake.isJobOpen(), real.isJobOpen());

    // A failure closes the job in both.
    real.printLine("Failing");
    fake.printLine("Failing");
    fake.failOn = PrintStep::Kind::Picture;
    EXPECT_THROW(real.drawPicture(folder.path() + "/none.jpg", 0, 0), PrintError);
    EXPECT_THROW(fake.drawPicture(folder.path() + "/none.jpg", 0, 0), PrintError);
    EXPECT_EQ(fake.isJobOpen(), real.isJobOpen());
    EXPECT_EQ(fake.endDocument().pages, real.endDocument().pages);
}

TEST(PrinterDouble, RecordsTheSequenceOfCallsAndAnswersSetUpFromItsScript) {
    FakePrinter printer;
    QTextDocument text;
    text.setPlainText(QStringLiteral("1967 description"));
    printer.setupAnswers = {std::nullopt, "Vantrel Inkjet"};
    EXPECT_FALSE(printer.showSetupDialog(nullptr));
    EXPECT_TRUE(printer.showSetupDialog(nullptr));
    printer.beginDocument("Booklet");
    printer.drawPicture("/disc/graphics/logo.jpg", 1600, 1600);
    printer.newPage();
    printer.printRichTextPages(text, Margins{}, nullptr);
    printer.printLine("Line");
    const PrintJob job = printer.endDocument();
    EXPECT_EQ(job.printerName, "Vantrel Inkjet");
    EXPECT_EQ(job.pages, 2);
    const std::vector<PrintStep> expected{
        PrintStep::setup(),          PrintStep::setup(),
        PrintStep::begin("Booklet"), PrintStep::picture("/disc/graphics/logo.jpg", 1600, 1600),
        PrintStep::newPage(),        PrintStep::richText("1967 description"),
        PrintStep::line("Line"),     PrintStep::end()};
    EXPECT_EQ(printer.steps, expected);
    EXPECT_EQ(printer.stepsOf(PrintStep::Kind::Setup).size(), 2u);
    EXPECT_EQ(printer.steps[5].document, &text);
}

}  // namespace
}  // namespace velocarta
