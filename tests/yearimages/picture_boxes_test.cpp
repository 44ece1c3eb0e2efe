// The emblem, script and clip-art boxes over the photo, with real clicks.
#include <QToolButton>
#include <filesystem>

#include "content/naming.h"
#include "program/spin_button.h"
#include "yearimages/year_images_fixture.h"

namespace velocarta::testing {
namespace {

using Codes = std::vector<std::string>;

class PictureBoxes : public YearImagesTest {
  protected:
    // The pictures of a year, each of its own size so that a test can tell them apart.
    void yearPictures(const std::string& yy, int seed, QColor color = Qt::darkRed) {
        picture("/emblems/emb" + yy + ".jpg", emblemSize(seed), color);
        picture("/scripts/scri" + yy + ".jpg", scriptSize(seed), color);
        picture("/ClipArt/" + yy + "clip.jpg", clipArtSize(seed), color);
    }
    static QSize emblemSize(int seed) { return {100 + seed, 90 + seed}; }
    static QSize scriptSize(int seed) { return {220 + seed, 60 + seed}; }
    static QSize clipArtSize(int seed) { return {140 + seed, 100 + seed}; }
    void openAll() {
        press("cmdEmblem");
        press("cmdScript");
        press("cmdClipArt");
    }
    QRect photo() { return control("Image4")->geometry(); }
};

TEST_F(PictureBoxes, EachButtonLoadsItsPictureAtItsPlace) {
    yearPictures("64", 0, Qt::red);
    start();
    pick(1);
    press("cmdEmblem");
    ASSERT_TRUE(open("picEmblem"));
    EXPECT_EQ(pictureIn("picEmblem"), emblemSize(0));
    EXPECT_GT(colourIn("picEmblem").red(), 200);
    // Sized to its picture and border, just above the year buttons, its right edge one
    // pixel past the photo's.
    const QRect emblem = box("picEmblem")->geometry();
    EXPECT_EQ(emblem.size(), emblemSize(0) + QSize(2, 2));
    EXPECT_EQ(emblem.top() + emblem.height() + 1, control("Frame1")->y());
    EXPECT_EQ(emblem.left(), photo().width() - emblem.width() + 9);
    EXPECT_EQ(box("picEmblem")->toolTip(), "Click the Right mouse button to copy");
    // The focus goes to the button after the year on show.
    EXPECT_EQ(focus(), YearButton(*form, 2));

    press("cmdScript");
    ASSERT_TRUE(open("picScript"));
    EXPECT_EQ(pictureIn("picScript"), scriptSize(0));
    EXPECT_EQ(box("picScript")->pos(), photo().topLeft() + QPoint(1, 25));

    press("cmdClipArt");
    ASSERT_TRUE(open("picClipArt"));
    EXPECT_EQ(pictureIn("picClipArt"), clipArtSize(0));
    const QRect clipArt = box("picClipArt")->geometry();
    EXPECT_EQ(clipArt.top(), photo().top());
    EXPECT_EQ(clipArt.left(), photo().width() - clipArt.width() + 6);
    EXPECT_EQ(boxes(), 0u);

    // Each lies over the photo, and a second press closes it.
    for (const char* name : {"picEmblem", "picScript", "picClipArt"}) {
        QLabel* picture = box(name);
        EXPECT_EQ(picture->parentWidget()->childAt(picture->geometry().center()), picture) << name;
    }
    press("cmdEmblem");
    press("cmdScript");
    press("cmdClipArt");
    EXPECT_FALSE(open("picEmblem"));
    EXPECT_FALSE(open("picScript"));
    EXPECT_FALSE(open("picClipArt"));
}

TEST_F(PictureBoxes, The2000PicturesAndThePhotoStepsAfterThem) {
    yearPictures("00", 3);
    start();
    pick(37);
    openAll();
    EXPECT_EQ(pictureIn("picEmblem"), emblemSize(3));
    EXPECT_EQ(pictureIn("picScript"), scriptSize(3));
    EXPECT_EQ(pictureIn("picClipArt"), clipArtSize(3));
    // The clip art of 2000 is 00clip.jpg, yet the photos of 2000 are still those of A0.
    Click(control<SpinButton>("SpinButton1")->upButton());
    EXPECT_EQ(PhotoFileName(program().onShow.photoPath()), "A0B.JPG");
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(PictureBoxes, TheDorranAndThePrototypesHaveTheirOwnPictures) {
    picture("/emblems/embdr.jpg", {150, 120});
    picture("/SCRIPTS/SCRIDR.jpg", {300, 80});
    picture("/emblems/EMBPT.JPG", {151, 121});
    picture("/SCRIPTS/SCRIPT.JPG", {301, 81});
    start();
    choose("mnuSpecialty", 0);
    press("cmdEmblem");
    press("cmdScript");
    EXPECT_EQ(pictureIn("picEmblem"), QSize(150, 120));
    EXPECT_EQ(pictureIn("picScript"), QSize(300, 80));
    // The Dorran has no clip art: its button is off.
    EXPECT_FALSE(control("cmdClipArt")->isEnabled());

    // The open boxes follow to the prototypes; the script sits at the photo's top-left.
    choose("mnuSpecialty", 1);
    EXPECT_EQ(pictureIn("picEmblem"), QSize(151, 121));
    EXPECT_EQ(pictureIn("picScript"), QSize(301, 81));
    EXPECT_EQ(box("picScript")->pos(), photo().topLeft() + QPoint(1, 25));
    EXPECT_TRUE(open("picEmblem"));
    EXPECT_TRUE(open("picScript"));
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(PictureBoxes, EveryPickReloadsTheOpenBoxes) {
    yearPictures("64", 0);
    yearPictures("65", 7);
    // 1966 has a script only.
    picture("/scripts/scri66.jpg", scriptSize(11));
    start();
    pick(1);
    openAll();
    pick(2);
    EXPECT_EQ(pictureIn("picEmblem"), emblemSize(7));
    EXPECT_EQ(pictureIn("picScript"), scriptSize(7));
    EXPECT_EQ(pictureIn("picClipArt"), clipArtSize(7));
    EXPECT_EQ(box("picClipArt")->x(), photo().width() - box("picClipArt")->width() + 6);
    EXPECT_EQ(boxes(), 0u);

    // A missing clip art keeps the one on show; a missing emblem closes its box.
    const std::size_t before = boxes();
    pick(3);
    EXPECT_EQ(codesSince(before), (Codes{"ER024", "ER022"}));
    EXPECT_TRUE(open("picClipArt"));
    EXPECT_EQ(pictureIn("picClipArt"), clipArtSize(7));
    EXPECT_TRUE(open("picScript"));
    EXPECT_EQ(pictureIn("picScript"), scriptSize(11));
    EXPECT_FALSE(open("picEmblem"));

    // A topic without pictures closes them all and reports nothing.
    const std::size_t beforeTopic = boxes();
    choose("mnuSpecialty", 3);
    EXPECT_EQ(boxes(), beforeTopic);
    EXPECT_FALSE(open("picClipArt"));
    EXPECT_FALSE(open("picScript"));
    EXPECT_FALSE(control("cmdScript")->isEnabled());
}

TEST_F(PictureBoxes, TheDorranClosesTheClipArt) {
    yearPictures("64", 0);
    picture("/emblems/embdr.jpg", {150, 120});
    picture("/scripts/SCRIDR.jpg", {300, 80});
    start();
    pick(1);
    openAll();
    choose("mnuSpecialty", 0);
    EXPECT_FALSE(open("picClipArt"));
    EXPECT_EQ(pictureIn("picEmblem"), QSize(150, 120));
    EXPECT_EQ(pictureIn("picScript"), QSize(300, 80));
    EXPECT_TRUE(open("picScript"));
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(PictureBoxes, BrokenPicturesGiveTheirCodesAndLeaveTheBoxesClosed) {
    // A JPEG cut short, a text file named .jpg, an empty file.
    picture("/emblems/emb64.jpg", {120, 100});
    const std::string emblem = harness.disc.path() + "/emblems/emb64.jpg";
    std::filesystem::resize_file(emblem, std::filesystem::file_size(emblem) / 2);
    harness.disc.writeFile("/scripts/scri64.jpg", "This is not a picture.\n");
    harness.disc.writeFile("/ClipArt/64clip.jpg", "");
    start();
    pick(1);
    std::size_t before = boxes();
    openAll();
    EXPECT_EQ(codesSince(before), (Codes{"ER022", "ER021", "ER035"}));
    EXPECT_FALSE(open("picEmblem"));
    EXPECT_FALSE(open("picScript"));
    EXPECT_FALSE(open("picClipArt"));
    EXPECT_TRUE(form->isEnabled());

    // A clip art reloaded from a broken file keeps its picture.
    yearPictures("65", 5);
    pick(2);
    press("cmdClipArt");
    ASSERT_TRUE(open("picClipArt"));
    before = boxes();
    pick(1);
    EXPECT_EQ(codesSince(before), (Codes{"ER024"}));
    EXPECT_TRUE(open("picClipArt"));
    EXPECT_EQ(pictureIn("picClipArt"), clipArtSize(5));
}

TEST_F(PictureBoxes, NothingBeforeTheFirstPick) {
    yearPictures("64", 0);
    start();
    openAll();
    EXPECT_EQ(boxes(), 0u);
    EXPECT_FALSE(open("picEmblem"));
    EXPECT_FALSE(open("picScript"));
    EXPECT_FALSE(open("picClipArt"));
}

TEST_F(PictureBoxes, ALeftClickClosesABox) {
    yearPictures("65", 0);
    start();
    pick(2);
    openAll();
    for (const char* name : {"picEmblem", "picScript", "picClipArt"}) {
        Click(box(name));
        EXPECT_FALSE(open(name)) << name;
        EXPECT_EQ(focus(), YearButton(*form, 3)) << name;
    }
    EXPECT_EQ(boxes(), 0u);
    EXPECT_EQ(harness.clipboard.clears, 0);
}

TEST_F(PictureBoxes, TheRightButtonOffersTheCopy) {
    yearPictures("64", 0, Qt::red);
    start();
    pick(1);
    openAll();
    harness.clipboard.text = "kept";
    harness.prompter.answerNext(Answer::No);
    Click(box("picEmblem"), Qt::RightButton);
    ASSERT_EQ(boxes(), 1u);
    const Message& question = harness.prompter.last();
    EXPECT_EQ(question.text, "Would you like to copy this image to the Windows Clipboard?");
    EXPECT_EQ(question.title, "The Vantrel Velocarta");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_EQ(harness.clipboard.clears, 0);
    EXPECT_EQ(harness.clipboard.text, "kept");
    EXPECT_TRUE(harness.clipboard.image.isNull());
    // The right button does not close the box.
    EXPECT_TRUE(open("picEmblem"));

    const struct {
        const char* box;
        QSize size;
    } copies[] = {
        {"picEmblem", emblemSize(0)}, {"picScript", scriptSize(0)}, {"picClipArt", clipArtSize(0)}};
    for (const auto& copy : copies) {
        harness.prompter.answerNext(Answer::Yes);
        Click(box(copy.box), Qt::RightButton);
        EXPECT_EQ(harness.clipboard.image.size(), copy.size) << copy.box;
        EXPECT_GT(harness.clipboard.image.pixelColor(10, 10).red(), 200) << copy.box;
        EXPECT_EQ(harness.clipboard.text, "") << copy.box;
    }
    EXPECT_EQ(boxes(), 4u);
}

}  // namespace
}  // namespace velocarta::testing
