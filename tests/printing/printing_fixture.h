#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {

// The year (1964 .. 2000) of a booklet year value's texts, as the test texts name it.
inline std::string YearName(int value) {
    return std::to_string(1900 + value);
}

// The main window on a disc with the booklet's pictures and texts and a few photos, driven
// by real clicks: "Description of 1965", "Details of 1965" ... and "Overview".
class PrintingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"65A", "66A", "VCK002"}) {
            WriteJpeg(harness.disc, std::string("/vantrels/") + name + ".JPG", QSize(240, 160));
        }
        for (const char* picture : {"logo", "66red", "bklettxt", "kestrix3"}) {
            WriteJpeg(harness.disc, std::string("/graphics/") + picture + ".jpg");
        }
        WriteRtf(harness.disc, "/RichText/intro.rtf", "Overview");
        for (int value = 64; value <= 100; ++value) {
            const std::string code = value == 100 ? "A0" : std::to_string(value);
            WriteRtf(harness.disc, "/RichText/" + code + "desc.rtf",
                     "Description of " + YearName(value));
            WriteRtf(harness.disc, "/RichText/" + code + ".rtf", "Details of " + YearName(value));
        }
    }

    // Starts the program to its main window (after the test has set its services up).
    void start() {
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }

    template <class T = QWidget>
    T* control(const QString& name) {
        return Find<T>(form, name);
    }
    QWidget* panel() { return control(QStringLiteral("pnlPrint")); }
    QCheckBox* section(int index) {
        return control<QCheckBox>(QStringLiteral("Check1_%1").arg(index));
    }
    QListWidget* yearList(int index) {
        return control<QListWidget>(QStringLiteral("List1_%1").arg(index));
    }
    QPushButton* printButton() { return control<QPushButton>(QStringLiteral("cmdPrint")); }
    QPushButton* okButton() { return control<QPushButton>(QStringLiteral("cmdOK")); }

    void choose(const char* menu, int index = -1) {
        ChooseMenuEntry(*form, form->menuEntry(menu, index));
    }
    void openBooklet() { choose("mnuPrnt"); }
    void check(std::initializer_list<int> indexes) {
        for (const int index : indexes) {
            Click(section(index));
        }
    }
    // Clicks a year ("1998", "2000") in list 0 (FROM) or 1 (TO).
    void selectYear(int list, const QString& year) {
        QListWidget* box = yearList(list);
        const QList<QListWidgetItem*> found = box->findItems(year, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << year.toStdString();
        box->scrollToItem(found.front());
        Click(box->viewport(), Qt::LeftButton, box->visualItemRect(found.front()).center());
    }
    void selectYears(const QString& from, const QString& to) {
        selectYear(0, from);
        selectYear(1, to);
    }
    void print() { Click(printButton()); }

    std::size_t boxes() { return harness.prompter.shown().size(); }
    std::string lastText() { return harness.prompter.last().text; }

    ShellHarness harness;
    Form1* form = nullptr;
};

}  // namespace velocarta::testing
