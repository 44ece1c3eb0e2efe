// The copy panel of the main window, driven through the menu bar and its buttons, copying
// real files from a disc folder to the program's folder.
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <filesystem>

#include "mediastore/media_store_panel.h"
#include "store_window_fixture.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::Click;
using testing::kAlreadyCopied;
using testing::kPhotosCopied;
using testing::ReadFile;
using CopyPanel = testing::StoreWindowTest;

TEST_F(CopyPanel, ShowsAtItsDesignedPlaceWithGaugesAtNought) {
    start();
    EXPECT_FALSE(panel()->isVisible());
    choose("mnuCopy");
    ASSERT_TRUE(panel()->isVisible());
    // 7215 by 4935 twips, across the photo, 60 twips under the top of Description.
    EXPECT_EQ(panel()->geometry(), QRect(159, 42, 481, 329));
    EXPECT_EQ(control("cmdDesc")->y() + 4, panel()->y());
    const std::pair<const char*, QRect> places[] = {
        {"Label2", {104, 16, 313, 25}},         {"Label1", {16, 40, 81, 17}},
        {"Text1", {96, 40, 361, 17}},           {"ProgressGuage", {24, 64, 433, 25}},
        {"ProgressGuage2", {24, 256, 433, 25}}, {"cmdCopy", {24, 288, 217, 25}},
        {"cmdCancel", {240, 288, 217, 25}}};
    for (const auto& [name, place] : places) {
        EXPECT_EQ(control(name)->geometry(), place) << name;
    }
    EXPECT_EQ(control<QLabel>("Label2")->text(),
              QStringLiteral("Copy photos from CD-ROM to hard drive"));
    EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("Copying file:"));
    EXPECT_EQ(copyButton()->text(), QStringLiteral("Copy Photos"));
    for (Gauge* gauge : {fileGauge(), overallGauge()}) {
        EXPECT_EQ(gauge->floodPercent(), 0);
        EXPECT_EQ(gauge->caption(), QStringLiteral("0"));
    }
    EXPECT_TRUE(copyButton()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), cancelButton());
    // The disk measured is the one the copies go to.
    EXPECT_EQ(harness.diskSpace.asked, std::vector<std::string>{store()});

    Click(cancelButton());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(texts().empty());
    EXPECT_FALSE(fs::exists(store() + "/vantrels"));
}

struct SpaceCase {
    const char* what;
    const char* menu;
    DiskGeometry disk;
    bool failToMeasure;
    bool shown;
    std::vector<Icon> messages;
};

void PrintTo(const SpaceCase& space, std::ostream* out) {
    *out << space.what;
}

class FreeSpace : public CopyPanel, public ::testing::WithParamInterface<SpaceCase> {};

TEST_P(FreeSpace, DecidesWhetherThePanelShows) {
    const SpaceCase& space = GetParam();
    harness.diskSpace.geometry = space.disk;
    harness.diskSpace.fail = space.failToMeasure;
    start();
    choose(space.menu);
    EXPECT_EQ(panel()->isVisible(), space.shown);
    std::vector<Icon> icons;
    for (const Message& message : harness.prompter.shown()) {
        icons.push_back(message.icon);
    }
    EXPECT_EQ(icons, space.messages);
}

// 42 groups of 1024 clusters of one 1000-byte sector: 42,000 units, 42,000,000 bytes.
constexpr DiskGeometry kExactlyForPhotos{1, 1000, 42 * 1024 + 1023, 100 * 1024, "/"};
constexpr DiskGeometry kOneGroupShort{1, 1000, 41 * 1024 + 1023, 100 * 1024, "/"};

INSTANTIATE_TEST_SUITE_P(
    CopyPanel, FreeSpace,
    ::testing::Values(
        SpaceCase{"ExactlyEnoughForPhotos", "mnuCopy", kExactlyForPhotos, false, true, {}},
        SpaceCase{"OneGroupShort", "mnuCopy", kOneGroupShort, false, false, {Icon::Critical}},
        SpaceCase{
            "MoviesNeedMore", "mnuCopyMovies", kExactlyForPhotos, false, false, {Icon::Critical}},
        SpaceCase{"DiskCannotBeMeasured",
                  "mnuCopy",
                  kExactlyForPhotos,
                  true,
                  false,
                  {Icon::None, Icon::Critical}}),
    [](const ::testing::TestParamInfo<SpaceCase>& info) { return info.param.what; });

// What the window looked like while the copy ran.
struct DuringTheCopy {
    bool menuBarEnabled = true;
    bool descriptionEnabled = true;
    bool cancelEnabled = false;
    Pointer pointer = Pointer::Default;
    std::vector<int> fileGauge;
    std::vector<int> overallGauge;
    std::vector<QString> files;
};

TEST_F(CopyPanel, CopiesEveryPhotoAndReadsThemFromTheHardDiskAtOnce) {
    // An empty photo, one of a tail only, one of exactly two blocks, one of two and a tail.
    const std::vector<std::pair<std::string, std::size_t>> photos = {
        {"65A.JPG", 0}, {"65B.JPG", 24'999}, {"65C.JPG", 50'000}, {"66A.JPG", 60'001}};
    for (const auto& [name, length] : photos) {
        discPhoto(name, length);
    }
    // Slower than a block per showing of the gauges: every block shows.
    slowDisc(1'000'000);
    start();
    DuringTheCopy seen;
    QObject::connect(fileGauge(), &QProgressBar::valueChanged, [&](int value) {
        if (seen.fileGauge.empty()) {
            seen.menuBarEnabled = form->menuBar()->isEnabled();
            seen.descriptionEnabled = control("cmdDesc")->isEnabled();
            seen.cancelEnabled = cancelButton()->isEnabled();
            seen.pointer = harness.screen.pointer();
        }
        seen.fileGauge.push_back(value);
        seen.files.push_back(control<QLineEdit>("Text1")->text());
    });
    QObject::connect(overallGauge(), &QProgressBar::valueChanged,
                     [&](int value) { seen.overallGauge.push_back(value); });
    ASSERT_TRUE(copyThroughPanel());

    EXPECT_FALSE(seen.menuBarEnabled);
    EXPECT_FALSE(seen.descriptionEnabled);
    EXPECT_TRUE(seen.cancelEnabled);
    EXPECT_EQ(seen.pointer, Pointer::Hourglass);
    EXPECT_TRUE(form->menuBar()->isEnabled());
    EXPECT_TRUE(control("cmdDesc")->isEnabled());
    EXPECT_EQ(harness.screen.pointer(), Pointer::Default);

    // 65B moves only its own gauge (its tail), 65C fills it in two blocks.
    EXPECT_NE(std::find(seen.fileGauge.begin(), seen.fileGauge.end(), 50), seen.fileGauge.end());
    EXPECT_EQ(seen.fileGauge.back(), 100);
    EXPECT_EQ(seen.overallGauge.back(), 100);
    EXPECT_EQ(overallGauge()->caption(), QStringLiteral("100"));
    EXPECT_NE(std::find(seen.files.begin(), seen.files.end(),
                        QString::fromStdString(harness.disc.path() + "/vantrels/65C.JPG")),
              seen.files.end());

    for (const auto& [name, length] : photos) {
        EXPECT_EQ(ReadFile(store() + "/vantrels/" + name), Contents(name, length)) << name;
    }
    EXPECT_EQ(texts(), std::vector<std::string>{kPhotosCopied});
    EXPECT_EQ(harness.prompter.last().icon, Icon::Exclamation);
    EXPECT_EQ(program().photoRoot, store());
    EXPECT_EQ(program().photos.root(), store());
    EXPECT_EQ(program().photos.count(), 5);
    expectNothingPartial();
}

TEST_F(CopyPanel, ASecondCopyAsksAndOnOkReplacesTheFirst) {
    discPhoto("65A.JPG", 60'000);
    start();
    ASSERT_TRUE(copyThroughPanel());
    const std::string copy = store() + "/vantrels/65A.JPG";
    fs::resize_file(copy, 10);

    harness.prompter.answerNext(Answer::Cancel);
    ASSERT_TRUE(copyThroughPanel());
    EXPECT_EQ(texts(), (std::vector<std::string>{kPhotosCopied, kAlreadyCopied}));
    EXPECT_EQ(harness.prompter.last().buttons, Buttons::OkCancel);
    EXPECT_EQ(fs::file_size(copy), 10u) << "declined: nothing copied";
    EXPECT_TRUE(copyButton()->isEnabled());

    ASSERT_TRUE(copyThroughPanel());
    EXPECT_EQ(texts().back(), kPhotosCopied);
    EXPECT_EQ(ReadFile(copy), Contents("65A.JPG", 60'000));
    expectNothingPartial();
}

TEST_F(CopyPanel, CopiesTheMoviesAndLeavesThePhotosWhereTheyWere) {
    discMovie("CHASE.AVI", 80'000);
    discMovie("parade.avi", 1'000);
    harness.disc.writeFile("/movies/readme.txt", "not a movie");
    start();
    ASSERT_TRUE(copyThroughPanel("mnuCopyMovies"));
    EXPECT_EQ(storeNames("/movies"), (std::vector<std::string>{"CHASE.AVI", "parade.avi"}));
    EXPECT_EQ(ReadFile(store() + "/movies/CHASE.AVI"), Contents("CHASE.AVI", 80'000));
    EXPECT_EQ(texts(), std::vector<std::string>{"Movies successfully copied!\r\n"});
    EXPECT_EQ(program().photoRoot, harness.disc.path());
}

TEST_F(CopyPanel, WithHwiNoPhotoIsCopiedOntoItself) {
    const std::string photo =
        harness.program.writeFile("/vantrels/65A.JPG", Contents("65A.JPG", 70'000));
    start("HWI");
    ASSERT_TRUE(copyThroughPanel());
    EXPECT_EQ(texts(), (std::vector<std::string>{kAlreadyCopied, kPhotosCopied}));
    EXPECT_EQ(ReadFile(photo), Contents("65A.JPG", 70'000));
    EXPECT_EQ(program().photos.count(), 1);
    EXPECT_EQ(storeNames(), std::vector<std::string>{"65A.JPG"});
}

TEST_F(CopyPanel, TheOverallGaugeStaysWithinItsRangeWhenTheDiscHoldsMore) {
    // 42,200,000 bytes, more than the 42,000,000 that fill the gauge to 100.
    discPhoto("65A.JPG", 21'100'000);
    discPhoto("65B.JPG", 21'100'000);
    slowDisc(500'000'000);
    start();
    std::vector<int> overall;
    QString fileAtFull;
    int fileGaugeAtFull = -1;
    QObject::connect(overallGauge(), &QProgressBar::valueChanged, [&](int value) {
        overall.push_back(value);
        if (value == 100 && fileGaugeAtFull < 0) {
            fileAtFull = control<QLineEdit>("Text1")->text();
            fileGaugeAtFull = fileGauge()->floodPercent();
        }
    });
    ASSERT_TRUE(copyThroughPanel());
    ASSERT_FALSE(overall.empty());
    EXPECT_TRUE(std::is_sorted(overall.begin(), overall.end()));
    EXPECT_GE(overall.size(), 3u);
    // It comes to 100 with the last block of the last file, not before.
    EXPECT_EQ(fileAtFull, QString::fromStdString(harness.disc.path() + "/vantrels/65B.JPG"));
    EXPECT_EQ(fileGaugeAtFull, 100);
    EXPECT_EQ(texts(), std::vector<std::string>{kPhotosCopied});
}

TEST_F(CopyPanel, TheWindowGoesOnHandlingEventsAndPaintingWhileItCopies) {
    for (const char* name : {"65A.JPG", "65B.JPG", "65C.JPG"}) {
        discPhoto(name, 100'000);
    }
    slowDisc(1'000'000);
    start();
    int paints = 0;
    struct PaintCounter : QObject {
        int& count;
        explicit PaintCounter(int& count) : count(count) {}
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter(paints);
    bool timerRanDuringTheCopy = false;
    atFirstGaugeMove([&] {
        fileGauge()->installEventFilter(&counter);
        QTimer::singleShot(0, [&] { timerRanDuringTheCopy = panel()->isVisible(); });
    });
    ASSERT_TRUE(copyThroughPanel());
    EXPECT_TRUE(timerRanDuringTheCopy);
    EXPECT_GE(paints, 2);
}

TEST_F(CopyPanel, CancelStopsTheCopyAtOnceAndTakesBackWhatItWrote) {
    for (const char* name : {"65A.JPG", "65B.JPG", "65C.JPG"}) {
        discPhoto(name, 100'000);
    }
    slowDisc(1'000'000);
    start();
    bool clicked = false;
    atFirstGaugeMove([&] {
        clicked = true;
        // The click arrives between two steps, as the user's does.
        QTimer::singleShot(0, [&] { Click(cancelButton()); });
    });
    ASSERT_TRUE(copyThroughPanel());
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(texts().empty());
    EXPECT_FALSE(fs::exists(store() + "/vantrels"));
    EXPECT_EQ(program().photoRoot, harness.disc.path());
    EXPECT_TRUE(form->menuBar()->isEnabled());
    EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
}

TEST_F(CopyPanel, ClosingTheProgramDuringACopyCancelsIt) {
    for (const char* name : {"65A.JPG", "65B.JPG", "65C.JPG"}) {
        discPhoto(name, 100'000);
    }
    slowDisc(1'000'000);
    start();
    atFirstGaugeMove([&] { QCoreApplication::postEvent(form, new QCloseEvent); });
    ASSERT_TRUE(copyThroughPanel());
    EXPECT_EQ(texts(), std::vector<std::string>{"Exit The Vantrel Velocarta?"});
    EXPECT_EQ(harness.endProgramCalls, 1);
    EXPECT_FALSE(fs::exists(store() + "/vantrels"));
}

TEST_F(CopyPanel, StayingAfterTheExitQuestionLetsTheCopyFinish) {
    discPhoto("65A.JPG", 200'000);
    slowDisc(1'000'000);
    start();
    atFirstGaugeMove([&] {
        harness.prompter.answerNext(Answer::Cancel);
        QCoreApplication::postEvent(form, new QCloseEvent);
    });
    ASSERT_TRUE(copyThroughPanel());
    EXPECT_EQ(texts(), (std::vector<std::string>{"Exit The Vantrel Velocarta?", kPhotosCopied}));
    EXPECT_EQ(ReadFile(store() + "/vantrels/65A.JPG"), Contents("65A.JPG", 200'000));
}

// The screen saver's installation offers the photo copy and waits for its end.
class PhotoCopyOffer : public CopyPanel {
  protected:
    void offer() {
        form->mediaStore().OfferPhotoCopy([this](bool copied) { answers.push_back(copied); });
    }
    std::vector<bool> answers;
};

TEST_F(PhotoCopyOffer, RefusedForLackOfSpaceAnswersAtOnce) {
    harness.diskSpace.geometry = kOneGroupShort;
    start();
    offer();
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(PhotoCopyOffer, AnswersWhenThePanelCloses) {
    discPhoto("65A.JPG", 30'000);
    start();
    offer();
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(copyButton()->text(), QStringLiteral("Copy Photos"));
    EXPECT_TRUE(answers.empty());
    Click(cancelButton());
    EXPECT_EQ(answers, std::vector<bool>{false});

    offer();
    Click(copyButton());
    ASSERT_TRUE(panelClosed());
    EXPECT_EQ(answers, (std::vector<bool>{false, true}));
    EXPECT_EQ(program().photoRoot, store());
}

TEST_F(PhotoCopyOffer, AnotherCopyRequestTakesThePanelOver) {
    start();
    offer();
    choose("mnuCopyMovies");
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_EQ(control<QLabel>("Label2")->text(),
              QStringLiteral("Copy Movies from CD-ROM to hard drive"));
    EXPECT_EQ(copyButton()->text(), QStringLiteral("Copy Movies"));
    Click(cancelButton());
    EXPECT_EQ(answers, std::vector<bool>{false});
}

TEST_F(PhotoCopyOffer, ADeclinedCopyAnswersFalse) {
    harness.program.makeFolder("/vantrels");
    start();
    offer();
    harness.prompter.answerNext(Answer::Cancel);
    Click(copyButton());
    EXPECT_EQ(answers, std::vector<bool>{false});
    EXPECT_FALSE(panel()->isVisible());
}

}  // namespace
}  // namespace velocarta
