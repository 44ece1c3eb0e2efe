#include "program/copy_active_control.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>

#include "program/photo_view.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

class CopyActiveControlTest : public ::testing::Test {
  protected:
    void SetUp() override { harness.create(); }
    void copy(const QWidget& control, bool requested = true) {
        CopyActiveControl(*harness.state, control, requested);
    }
    testing::ShellHarness harness;
};

TEST_F(CopyActiveControlTest, YesPutsThePictureOnTheClipboardAsImageData) {
    QLabel box;
    QPixmap emblem(40, 30);
    emblem.fill(Qt::red);
    box.setPixmap(emblem);
    copy(box);
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    const Message& question = harness.prompter.last();
    EXPECT_EQ(question.text, "Would you like to copy this image to the Windows Clipboard?");
    EXPECT_EQ(question.title, "The Vantrel Velocarta");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_EQ(harness.clipboard.image.size(), QSize(40, 30));
    EXPECT_EQ(harness.clipboard.image.pixelColor(5, 5), QColor(Qt::red));

    PhotoView photo;
    QImage shown(64, 48, QImage::Format_RGB32);
    shown.fill(Qt::blue);
    photo.setImage(shown);
    copy(photo);
    EXPECT_EQ(harness.clipboard.image.size(), QSize(64, 48));

    // A control without a picture leaves the clipboard cleared, with no empty image on it.
    PhotoView empty;
    QLabel bare;
    const int imagesSet = harness.clipboard.imagesSet;
    for (const QWidget* control :
         {static_cast<const QWidget*>(&empty), static_cast<const QWidget*>(&bare)}) {
        copy(*control);
        EXPECT_TRUE(harness.clipboard.image.isNull());
    }
    EXPECT_EQ(harness.clipboard.imagesSet, imagesSet);
}

TEST_F(CopyActiveControlTest, NoOrAnotherButtonLeaveTheClipboardAlone) {
    QLabel box;
    QPixmap emblem(40, 30);
    box.setPixmap(emblem);
    harness.clipboard.text = "kept";
    copy(box, /*requested=*/false);
    EXPECT_TRUE(harness.prompter.shown().empty());
    harness.prompter.answerNext(Answer::No);
    copy(box);
    EXPECT_EQ(harness.prompter.shown().size(), 1u);
    EXPECT_EQ(harness.clipboard.clears, 0);
    EXPECT_EQ(harness.clipboard.text, "kept");
}

TEST_F(CopyActiveControlTest, TextControlsGiveTheirText) {
    QLineEdit name(QStringLiteral("66A.JPG"));
    name.setSelection(0, 3);
    copy(name);
    EXPECT_EQ(harness.clipboard.text, "66A");
    QListWidget years;
    years.addItems({QStringLiteral("1964"), QStringLiteral("1965")});
    years.setCurrentRow(1);
    copy(years);
    EXPECT_EQ(harness.clipboard.text, "1965");
    // Any other kind of control puts nothing there, but the clipboard was cleared.
    QWidget other;
    copy(other);
    EXPECT_EQ(harness.clipboard.text, "");
    EXPECT_TRUE(harness.clipboard.image.isNull());
    EXPECT_EQ(harness.clipboard.clears, 3);
}

}  // namespace
}  // namespace velocarta
