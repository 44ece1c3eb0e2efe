// The screen saver's photo list, opened with the right button on the photo and used with
// real clicks.
#include <fstream>

#include "part_window.h"
#include "screen_saver_fixture.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using PhotoList = testing::ScreenSaverTest;
using testing::Click;
using testing::Find;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(PhotoList, TheRightButtonOpensItOnTopForThePhotoOnShow) {
    pick(1);
    ASSERT_EQ(shownFile(), "64A.JPG");
    rightClickPhoto();
    QWidget* window = list();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("The Vantrel Velocarta 2000"));
    EXPECT_TRUE(fs::is_directory(selection()));
    ASSERT_FALSE(harness.windowOrder.calls.empty());
    EXPECT_EQ(harness.windowOrder.calls.back(), std::make_pair(window, TopMode::Topmost));
    EXPECT_TRUE(add()->isEnabled());
    EXPECT_FALSE(remove()->isEnabled());
    EXPECT_TRUE(removeAll()->isEnabled());
    EXPECT_TRUE(toClipboard()->isEnabled());
    // Not modal: the main window goes on working while it is open.
    stepForward();
    EXPECT_EQ(shownFile(), "64B.JPG");
    EXPECT_EQ(list(), window);
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(PhotoList, AddCopiesThePhotoAndTheNextPhotoOffersAddAgain) {
    pick(1);
    rightClickPhoto();
    Click(add());
    EXPECT_EQ(ReadFile(selection() + "/64A.JPG"),
              ReadFile(harness.disc.path() + "/vantrels/64A.JPG"));
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastBox().text, "Photo Successfully Copied!");
    EXPECT_EQ(lastBox().icon, Icon::Exclamation);
    EXPECT_EQ(lastBox().title, "The Vantrel Velocarta");
    EXPECT_FALSE(add()->isEnabled());
    EXPECT_TRUE(remove()->isEnabled());
    EXPECT_EQ(gauge()->value(), 100);
    EXPECT_EQ(harness.screen.pointers.back(), Pointer::Default);
    stepForward();
    EXPECT_TRUE(add()->isEnabled());
    EXPECT_FALSE(remove()->isEnabled());
    pick(2);
    pick(1);  // back to 64A, which is in the list
    EXPECT_FALSE(add()->isEnabled());
    EXPECT_TRUE(remove()->isEnabled());
}

TEST_F(PhotoList, APhotoAlreadyInTheListOffersRemoveWhicheverYearItIs) {
    harness.program.writeFile("/ssvantrels/66a.jpg", "chosen in an earlier run");
    pick(3);
    rightClickPhoto();
    EXPECT_FALSE(add()->isEnabled());
    EXPECT_TRUE(remove()->isEnabled());
    Click(remove());
    EXPECT_FALSE(inSelection("66a.jpg"));
    EXPECT_EQ(lastBox().text, "Photo Successfully Removed!");
    EXPECT_EQ(lastBox().icon, Icon::Exclamation);
    EXPECT_TRUE(add()->isEnabled());
    EXPECT_FALSE(remove()->isEnabled());
    EXPECT_EQ(gauge()->value(), 0);
}

TEST_F(PhotoList, ItFollowsThePhotoAlsoWhileOutOfSight) {
    pick(1);
    rightClickPhoto();
    Click(add());
    QWidget* window = list();
    window->hide();  // the user put it away
    ASSERT_EQ(list(), nullptr);
    harness.program.writeFile("/ssvantrels/64B.JPG");
    stepForward();
    EXPECT_FALSE(Find<QPushButton>(window, QStringLiteral("SSCommand7"))->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(window, QStringLiteral("SSCommand8"))->isEnabled());
    pick(3);
    EXPECT_TRUE(Find<QPushButton>(window, QStringLiteral("SSCommand7"))->isEnabled());
    rightClickPhoto();
    EXPECT_EQ(list(), window);
}

TEST_F(PhotoList, RemoveAllAsksEmptiesTheListAndStaysOffUntilReopened) {
    harness.program.writeFile("/ssvantrels/65A.JPG");
    harness.program.writeFile("/ssvantrels/99b.jpg");
    harness.program.writeFile("/ssvantrels/notes.txt");
    pick(2);
    rightClickPhoto();
    harness.prompter.answerNext(Answer::No);
    Click(removeAll());
    EXPECT_EQ(lastBox().text,
              "Would you like to remove all photos from the Vantrel Velocarta Screen Saver list?");
    EXPECT_EQ(lastBox().buttons, Buttons::YesNo);
    EXPECT_EQ(lastBox().icon, Icon::Question);
    EXPECT_TRUE(inSelection("65A.JPG"));
    EXPECT_TRUE(removeAll()->isEnabled());

    Click(removeAll());  // Yes
    EXPECT_FALSE(inSelection("65A.JPG"));
    EXPECT_FALSE(inSelection("99b.jpg"));
    EXPECT_TRUE(inSelection("notes.txt"));
    EXPECT_EQ(lastBox().text,
              "All Photos Successfully Removed!\r\n\r\nYou must re-install The Vantrel Velocarta "
              "Screen Saver \r\nif you have previously installed it to play Selected Photos.");
    EXPECT_EQ(lastBox().icon, Icon::None);
    EXPECT_TRUE(add()->isEnabled());
    EXPECT_FALSE(remove()->isEnabled());
    EXPECT_FALSE(removeAll()->isEnabled());
    stepForward();
    rightClickPhoto();
    EXPECT_FALSE(removeAll()->isEnabled());

    Click(listButton("SSCommand9"));
    settle();
    rightClickPhoto();
    EXPECT_TRUE(removeAll()->isEnabled());
}

TEST_F(PhotoList, RemoveAllOnAnEmptyListStillReports) {
    pick(1);
    rightClickPhoto();
    Click(removeAll());
    EXPECT_EQ(harness.prompter.shown().size(), 2u);
    EXPECT_EQ(lastBox().text.substr(0, 32), "All Photos Successfully Removed!");
}

TEST_F(PhotoList, ThePhotoGoesToTheClipboardAsImageData) {
    pick(2);
    rightClickPhoto();
    harness.prompter.answerNext(Answer::No);
    Click(toClipboard());
    EXPECT_EQ(lastBox().text, "Would you like to copy this image to the Windows Clipboard?");
    EXPECT_EQ(harness.clipboard.clears, 0);
    Click(toClipboard());
    EXPECT_EQ(harness.clipboard.clears, 1);
    const QImage& image = harness.clipboard.image;
    ASSERT_EQ(image.size(), QSize(64, 48));
    const QColor centre = image.pixelColor(32, 24);
    EXPECT_NEAR(centre.red(), 200, 8);  // 65A: red with green 80
    EXPECT_NEAR(centre.green(), 80, 8);
}

TEST_F(PhotoList, HelpAndExit) {
    pick(1);
    rightClickPhoto();
    Click(listButton("SSCommand1"));
    EXPECT_EQ(lastBox().text,
              "Use this form to add or remove Vantrel photos from the\r\n"
              "Vantrel Velocarta Screen Saver play list. Pick and choose\r\n"
              "whatever photos that you would like to include.\r\n\r\n"
              "Select the Install Screen Saver option under the File menu\r\n"
              "to configure the Screen Saver to recognize selected photos.\r\n\r\n"
              "If you remove all photos, remember to re-install the \r\n"
              "Screen Saver and choose the Select All Photos option.");
    EXPECT_EQ(lastBox().buttons, Buttons::Ok);
    QWidget* window = list();
    form->setEnabled(false);
    Click(listButton("SSCommand9"));
    EXPECT_EQ(harness.windowOrder.calls.back(), std::make_pair(window, TopMode::NotTopmost));
    EXPECT_EQ(list(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    settle();
    EXPECT_EQ(QApplication::topLevelWidgets().count(window), 0);
}

TEST_F(PhotoList, TheSameListForADiscPhotoAndItsHardDiskCopy) {
    // The photos were copied to the hard disk, and the program reads them from there.
    for (const char* name : {"64A.JPG", "65A.JPG"}) {
        fs::create_directories(store() + "/vantrels");
        fs::copy_file(harness.disc.path() + "/vantrels/" + name, store() + "/vantrels/" + name);
    }
    program().photoRoot = store();
    ASSERT_TRUE(program().BuildPhotoList());
    pick(2);
    ASSERT_EQ(program().onShow.photoPath(), store() + "/vantrels/65A.JPG");
    rightClickPhoto();
    Click(add());
    EXPECT_TRUE(inSelection("65A.JPG"));
    // Back on the disc, the same photo is in the list.
    program().photoRoot = program().contentPath;
    ASSERT_TRUE(program().BuildPhotoList());
    pick(1);
    pick(2);
    ASSERT_EQ(program().onShow.photoPath(), harness.disc.path() + "/vantrels/65A.JPG");
    EXPECT_FALSE(add()->isEnabled());
    EXPECT_TRUE(remove()->isEnabled());
}

TEST_F(PhotoList, AFailedCopyIsReportedAndNothingChanges) {
    pick(1);
    rightClickPhoto();
    // Something else took the selection folder's name.
    fs::remove_all(selection());
    harness.program.writeFile("/ssvantrels", "not a folder");
    Click(add());
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastBox().text,
              "Unable to add this photo to the Screen Saver list.\r\n\r\nNot a directory");
    EXPECT_TRUE(add()->isEnabled());
    EXPECT_FALSE(remove()->isEnabled());
    EXPECT_EQ(harness.screen.pointers.back(), Pointer::Default);
}

TEST_F(PhotoList, WithoutAPhotoOnShowThereIsNothingToAdd) {
    rightClickPhoto();  // the title picture is on show
    ASSERT_NE(list(), nullptr);
    EXPECT_FALSE(add()->isEnabled());
    EXPECT_FALSE(remove()->isEnabled());
    EXPECT_FALSE(toClipboard()->isEnabled());
    EXPECT_TRUE(removeAll()->isEnabled());
    pick(1);
    EXPECT_TRUE(add()->isEnabled());
    EXPECT_TRUE(toClipboard()->isEnabled());
}

TEST_F(PhotoList, EveryControlHasANameAScreenReaderSpeaks) {
    pick(1);
    rightClickPhoto();
    for (QWidget* widget : list()->findChildren<QWidget*>()) {
        const std::string name = widget->objectName().toStdString();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_FALSE(button->text().isEmpty()) << name;
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            // A label's text is what a reader speaks; a picture says what it shows.
            EXPECT_TRUE(label->accessibleName().isEmpty()) << name;
            EXPECT_FALSE(label->text().isEmpty() && label->accessibleDescription().isEmpty())
                << name;
        } else {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
        }
    }
}

TEST_F(PhotoList, AWindowThatCoversTheMainWindowClosesIt) {
    pick(1);
    testing::PartWindow window(program(),
                               [](const std::function<void(bool)>& done) { done(false); });
    window.part().OpenPhotoList();
    QWidget* shown = list();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(add()->isEnabled());
    window.part().ClosePhotoList();
    EXPECT_EQ(harness.windowOrder.calls.back(), std::make_pair(shown, TopMode::NotTopmost));
    EXPECT_EQ(list(), nullptr);
    EXPECT_FALSE(window.part().photoListLoaded());
    window.part().ClosePhotoList();  // nothing open: nothing to do
    EXPECT_EQ(harness.windowOrder.calls.back(), std::make_pair(shown, TopMode::NotTopmost));
}

}  // namespace
}  // namespace velocarta
