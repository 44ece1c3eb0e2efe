#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string>

#include "printing/booklet.h"
#include "program/main_window.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace velocarta {

class Program;

// The booklet panel of the main window: the sections to print, the range of years, Print
// and Cancel. It prints the cover, the overview and each year's texts as one job.
class BookletPanel : public QObject, public MainWindowPart {
    Q_OBJECT

  public:
    BookletPanel(Program& program, MainWindow& mainWindow);
    ~BookletPanel() override;

    void applyLayout(const MainLayout& layout) override;

    // The two year lists: 1964 .. 1999, then 2000, filled once at start-up.
    void FillYearLists();

  private:
    void BuildControls(QWidget* surface);
    void Place();

    void mnuPrnt_Click();
    void Check1_Click();
    void cmdPrint_Click();
    void cmdOK_Click();

    // The printing itself (booklet_print.cpp).
    SectionChecks CheckedSections() const;
    std::optional<std::string> SelectedYear(int list) const;
    void PrintBookletStep(const BookletStep& step);
    // Sends what the job holds after a run stopped on the way (a failed printer has dropped
    // its job already); the PDF file it went to, if any.
    std::string SendWhatIsPrinted();
    void TellPrintedToFile(const std::string& pdfFile);

    Program& program_;
    MainWindow& mainWindow_;
    MainLayout layout_;

    QFrame* pnlPrint_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* Label6_ = nullptr;
    std::array<QListWidget*, 2> List1_{};
    std::array<QCheckBox*, kBookletSectionCount> Check1_{};
    QGroupBox* byYear_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QLabel* Picture3_ = nullptr;
    QTextBrowser* rtbText_ = nullptr;
};

}  // namespace velocarta
