#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/qt/printer.h"

class QTextDocument;

namespace velocarta::testing {

// One call of the printer, as window tests compare them: a booklet is the sequence
// begin, pictures, new page, rich text, new page, ..., end.
struct PrintStep {
    enum class Kind { Begin, Line, Picture, NewPage, RichText, End, Abort, Setup };
    Kind kind = Kind::End;
    std::string text;  // Begin: the title; Line: the line; Picture: the file; RichText: the
                       // document's plain text when it was printed
    int x = 0;         // Picture: the position in twips
    int y = 0;
    PictureFit fit = PictureFit::OwnSize;
    Margins margins;                          // RichText
    const QTextDocument* document = nullptr;  // RichText; not compared

    static PrintStep begin(std::string title) { return of(Kind::Begin, std::move(title)); }
    static PrintStep line(std::string text) { return of(Kind::Line, std::move(text)); }
    static PrintStep picture(std::string file, int x, int y, PictureFit fit = PictureFit::OwnSize) {
        PrintStep step = of(Kind::Picture, std::move(file));
        step.x = x;
        step.y = y;
        step.fit = fit;
        return step;
    }
    static PrintStep newPage() { return of(Kind::NewPage); }
    static PrintStep richText(std::string plainText, Margins margins = {}) {
        PrintStep step = of(Kind::RichText, std::move(plainText));
        step.margins = margins;
        return step;
    }
    static PrintStep end() { return of(Kind::End); }
    static PrintStep abort() { return of(Kind::Abort); }
    static PrintStep setup() { return of(Kind::Setup); }
    static PrintStep of(Kind kind, std::string text = {}) {
        PrintStep step;
        step.kind = kind;
        step.text = std::move(text);
        return step;
    }

    bool operator==(const PrintStep& other) const {
        return kind == other.kind && text == other.text && x == other.x && y == other.y &&
               fit == other.fit && margins.left == other.margins.left &&
               margins.top == other.margins.top && margins.right == other.margins.right &&
               margins.bottom == other.margins.bottom;
    }
};

// How GoogleTest shows a step in a failure message.
inline void PrintTo(const PrintStep& step, std::ostream* out) {
    using Kind = PrintStep::Kind;
    switch (step.kind) {
        case Kind::Begin:
            *out << "begin \"" << step.text << "\"";
            break;
        case Kind::Line:
            *out << "line \"" << step.text << "\"";
            break;
        case Kind::Picture:
            *out << "picture " << step.text << " at " << step.x << "," << step.y
                 << (step.fit == PictureFit::ShrinkToPage     ? " shrunk to the page"
                     : step.fit == PictureFit::ShrinkToMargin ? " shrunk to its margin"
                                                              : "");
            break;
        case Kind::NewPage:
            *out << "new page";
            break;
        case Kind::RichText:
            *out << "rich text \"" << step.text.substr(0, 40)
                 << (step.text.size() > 40 ? "...\"" : "\"") << " margins " << step.margins.left
                 << "," << step.margins.top << "," << step.margins.right << ","
                 << step.margins.bottom;
            break;
        case Kind::End:
            *out << "end";
            break;
        case Kind::Abort:
            *out << "abort";
            break;
        case Kind::Setup:
            *out << "setup";
            break;
    }
}

// Records every call in order and keeps a job open or closed as the real printer does. A
// scripted failure throws PrintError and, like the real printer, leaves no job open.
class FakePrinter final : public Printer {
  public:
    void beginDocument(const std::string& title) override {
        record(PrintStep::begin(title));
        jobOpen_ = true;
    }
    bool isJobOpen() const override { return jobOpen_; }
    void printLine(const std::string& text) override {
        record(PrintStep::line(text));
        draw();
    }
    void drawPicture(const std::string& hostPath, int xTwips, int yTwips,
                     PictureFit fit = PictureFit::OwnSize) override {
        record(PrintStep::picture(hostPath, xTwips, yTwips, fit));
        draw();
    }
    void newPage() override {
        record(PrintStep::newPage());
        jobOpen_ = true;
        ++currentPage_;
    }
    // Records the document's plain text (in fake_printer.cpp: it needs Qt).
    int printRichTextPages(const QTextDocument& document, const Margins& margins,
                           const PrintProgress& progress) override;
    PrintJob endDocument() override {
        record(PrintStep::end());
        const bool drawn = pages_ > 0;
        const int pages = pages_;
        close();
        return drawn ? PrintJob{pages, job.printerName, job.pdfFile} : PrintJob{};
    }
    void abortDocument() override {
        record(PrintStep::abort());
        close();
    }
    bool showSetupDialog(QWidget*) override {
        record(PrintStep::setup());
        std::optional<std::string> answer;
        if (!setupAnswers.empty()) {
            answer = setupAnswers.front();
            setupAnswers.pop_front();
        }
        if (!answer) {
            return false;
        }
        job.printerName = *answer;
        job.pdfFile.clear();
        return true;
    }

    // Every call, in order.
    std::vector<PrintStep> steps;
    // The steps of one kind, in order.
    std::vector<PrintStep> stepsOf(PrintStep::Kind kind) const {
        std::vector<PrintStep> found;
        for (const PrintStep& step : steps) {
            if (step.kind == kind) {
                found.push_back(step);
            }
        }
        return found;
    }

    // Where ended jobs go: a printer, or a PDF file (set pdfFile, clear printerName).
    PrintJob job{0, "Vantrel LaserJet", ""};
    // Pages each rich text takes.
    int richTextPages = 1;
    // Set-up answers in turn: the printer chosen with OK, or none for Cancel (also when
    // the script is used up).
    std::deque<std::optional<std::string>> setupAnswers;
    // Every call throws with this message while it is set.
    std::string failWith;
    // The calls of this kind throw, from the `failAt`-th on (1 for the first).
    std::optional<PrintStep::Kind> failOn;
    int failAt = 1;

  private:
    void record(const PrintStep& step) {
        steps.push_back(step);
        int& calls = calls_[static_cast<int>(step.kind)];
        ++calls;
        if (!failWith.empty() || (failOn == step.kind && calls >= failAt)) {
            close();
            throw PrintError(failWith.empty() ? "scripted printer failure" : failWith);
        }
    }
    // Something lands on the current page: the job and the page exist from now on.
    void draw() {
        jobOpen_ = true;
        pages_ = currentPage_ + 1;
    }
    void close() {
        jobOpen_ = false;
        currentPage_ = 0;
        pages_ = 0;
    }

    bool jobOpen_ = false;
    int currentPage_ = 0;
    int pages_ = 0;
    int calls_[8] = {};
};

}  // namespace velocarta::testing
