#include "mediastore/media_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "copy_scene.h"
#include "mediastore/copy_gauges.h"

namespace velocarta {
namespace {

using testing::CopyScene;
using testing::FolderNames;
using testing::kEveryBlock;
using testing::ReadFile;
using testing::RunToEnd;
using Kind = CopyEvent::Kind;

// Each event as "kind file-gauge/overall-gauge #file".
std::vector<std::string> Trace(const std::vector<CopyEvent>& events) {
    static const char* kNames[] = {"start", "blocks", "copied", "failed", "finished", "cancelled"};
    std::vector<std::string> trace;
    for (const CopyEvent& event : events) {
        trace.push_back(std::string(kNames[static_cast<int>(event.kind)]) + " " +
                        std::to_string(event.fileGauge) + "/" + std::to_string(event.overallGauge) +
                        " #" + std::to_string(event.fileNumber));
    }
    return trace;
}

TEST(MediaCopy, CopiesEveryPhotoBlockByBlockWithTheGaugesOfEachBlock) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 50'000);  // two blocks and no tail
    scene.writePhoto("65B.JPG", 0);       // nothing but an empty file
    scene.writePhoto("64Z.JPG", 10'000);  // the tail alone
    scene.writePhoto("66A.JPG", 60'000);  // two blocks and a tail
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier, kEveryBlock);
    EXPECT_EQ(copy.confirmTargetFolder().kind, TargetFolderCheck::Kind::Created);
    copy.planPhotos(scene.discPhotos());
    const auto events = RunToEnd(copy);

    // Five full blocks of the nominal 42,000,000 bytes never move the overall gauge.
    EXPECT_EQ(Trace(events), (std::vector<std::string>{
                                 "start 0/0 #1", "copied 100/0 #1",                      // 64Z
                                 "start 100/0 #2", "blocks 50/0 #2", "blocks 100/0 #2",  // 65A
                                 "copied 100/0 #2",                                      //
                                 "start 100/0 #3", "copied 100/0 #3",                    // 65B
                                 "start 100/0 #4", "blocks 42/0 #4", "blocks 83/0 #4",   // 66A
                                 "copied 100/0 #4", "finished 100/100 #4"}));
    EXPECT_EQ(events[1].sourcePath, scene.disc.path() + "/vantrels/64Z.JPG");
    EXPECT_EQ(events.back().message.text, "Photos successfully copied!\r\n");
    EXPECT_EQ(events.back().message.icon, Icon::Exclamation);
    EXPECT_TRUE(copy.complete());
    for (const char* name : {"64Z.JPG", "65A.JPG", "65B.JPG", "66A.JPG"}) {
        EXPECT_EQ(ReadFile(scene.photo(name)), ReadFile(scene.disc.path() + "/vantrels/" + name))
            << name;
    }
    EXPECT_EQ(FolderNames(scene.program.path() + "/vantrels"),
              (std::vector<std::string>{"64Z.JPG", "65A.JPG", "65B.JPG", "66A.JPG"}));
    EXPECT_EQ(CopyScene::Catalogue(scene.fileSystem, scene.program.path()).count(), 4);
}

TEST(MediaCopy, MoreBlocksAStepGiveFewerEventsWithTheSameGauges) {
    CopyScene scene;
    scene.writePhoto("66A.JPG", 60'000);
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier,
                   {kMediaCopyBlock, 8, {}});
    copy.confirmTargetFolder();
    copy.planPhotos(scene.discPhotos());
    EXPECT_EQ(Trace(RunToEnd(copy)),
              (std::vector<std::string>{"start 0/0 #1", "blocks 83/0 #1", "copied 100/0 #1",
                                        "finished 100/100 #1"}));
    EXPECT_EQ(ReadFile(scene.photo("66A.JPG")).size(), 60'000u);
}

TEST(MediaCopy, StepsGrowOnAFastDiskAndStaySmallOnASlowOne) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30 * 25'000);
    const auto stepsOf = [&](std::chrono::microseconds stepTime) {
        MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier,
                       {kMediaCopyBlock, 8, stepTime});
        copy.confirmTargetFolder();
        copy.planPhotos(scene.discPhotos());
        std::vector<int> gauges;
        for (const CopyEvent& event : RunToEnd(copy)) {
            if (event.kind == Kind::BlocksCopied) {
                gauges.push_back(event.fileGauge);
            }
        }
        return gauges;
    };
    // Every step fits an hour many times over: 1, 2, 4, 8, 8 and the last 7 blocks.
    EXPECT_EQ(stepsOf(std::chrono::hours(1)), (std::vector<int>{3, 10, 23, 50, 77, 100}));
    // No step fits a microsecond: one block at a time.
    EXPECT_EQ(stepsOf(std::chrono::microseconds(1)).size(), 30u);
}

TEST(MediaCopy, APlanInPiecesGivesTheSameCopy) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 50'000);
    scene.writePhoto("65B.JPG", 10'000);
    scene.writePhoto("66A.JPG", 60'000);
    const CopySettings settings{kMediaCopyBlock, 1, std::chrono::microseconds(1)};
    MediaCopy atOnce(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier, settings);
    atOnce.confirmTargetFolder();
    atOnce.planPhotos(scene.discPhotos());
    const auto expected = Trace(RunToEnd(atOnce));

    MediaCopy inPieces(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier, settings);
    inPieces.confirmTargetFolder();
    inPieces.startPlanPhotos(scene.discPhotos());
    // No lookup fits a microsecond: one file a piece.
    EXPECT_EQ(inPieces.fileCount(), 3);
    EXPECT_FALSE(inPieces.planStep());
    EXPECT_FALSE(inPieces.planStep());
    EXPECT_TRUE(inPieces.planStep());
    EXPECT_TRUE(inPieces.planned());
    EXPECT_EQ(Trace(RunToEnd(inPieces)), expected);
}

TEST(MediaCopy, ACopyCancelledWhilePlanningEndsAtOnce) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 50'000);
    scene.writePhoto("65B.JPG", 50'000);
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier,
                   {kMediaCopyBlock, 1, std::chrono::microseconds(1)});
    copy.confirmTargetFolder();
    copy.startPlanPhotos(scene.discPhotos());
    EXPECT_FALSE(copy.planStep());
    copy.cancel();
    EXPECT_EQ(copy.step().kind, Kind::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(scene.program.path() + "/vantrels"));
}

TEST(MediaCopy, MoviesComeFromTheMovieFolderInListingOrder) {
    CopyScene scene;
    scene.disc.writeFile("/movies/Kite1.avi", std::string(30'000, 'k'));
    scene.disc.writeFile("/movies/notes.txt", "not a movie");
    MediaCopy copy(CopyKind::Movies, scene.roots(), scene.fileSystem, scene.copier);
    EXPECT_EQ(copy.targetFolder().full(), scene.program.path() + "/movies/");
    copy.confirmTargetFolder();
    copy.planMovies(*MovieList::Build(scene.fileSystem, scene.disc.path(),
                                      [](const FileSystemError&) { return RetryChoice::GiveUp; }));
    const CopyEvent last = RunToEnd(copy).back();
    EXPECT_EQ(last.message.text, "Movies successfully copied!\r\n");
    // The disc's spelling is kept.
    EXPECT_EQ(FolderNames(scene.program.path() + "/movies"), std::vector<std::string>{"Kite1.avi"});
}

TEST(MediaCopy, ASecondCopyIsAskedForAndReplacesTheFirst) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30'000);
    scene.disc.writeFile("/vantrels/65b.jpg", "new");
    scene.program.writeFile("/vantrels/65B.JPG", "older copy in another letter case");
    {
        MediaCopy first(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier);
        const TargetFolderCheck check = first.confirmTargetFolder();
        ASSERT_EQ(check.kind, TargetFolderCheck::Kind::AlreadyThere);
        EXPECT_EQ(check.message.text,
                  "These files have already been copied\r\nto your hard drive.\r\n\r\nWould you "
                  "like to copy them again?");
        EXPECT_EQ(check.message.buttons, Buttons::OkCancel);
        EXPECT_EQ(check.message.icon, Icon::Question);
        EXPECT_TRUE(CopyDeclined(Answer::Cancel));
        EXPECT_FALSE(CopyDeclined(Answer::Ok));
        first.planPhotos(scene.discPhotos());
        RunToEnd(first);
        EXPECT_TRUE(first.complete());
    }
    scene.writePhoto("65A.JPG", 40'000);
    MediaCopy second(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier);
    EXPECT_EQ(second.confirmTargetFolder().kind, TargetFolderCheck::Kind::AlreadyThere);
    second.planPhotos(scene.discPhotos());
    RunToEnd(second);
    EXPECT_EQ(ReadFile(scene.photo("65A.JPG")), ReadFile(scene.disc.path() + "/vantrels/65A.JPG"));
    EXPECT_EQ(ReadFile(scene.photo("65B.JPG")), "new");
    EXPECT_EQ(FolderNames(scene.program.path() + "/vantrels"),
              (std::vector<std::string>{"65A.JPG", "65B.JPG"}));
}

TEST(MediaCopy, WithTheDiscInTheProgramFolderNoPhotoIsCopiedOntoItself) {
    CopyScene scene;
    scene.program.writeFile("/vantrels/65A.JPG", std::string(60'000, 'p'));
    scene.program.writeFile("/vantrels/65B.JPG", "");
    struct stat before {};
    ::stat(scene.photo("65A.JPG").c_str(), &before);
    MediaCopy copy(CopyKind::Photos, {scene.program.path(), scene.program.path()}, scene.fileSystem,
                   scene.copier);
    EXPECT_EQ(copy.confirmTargetFolder().kind, TargetFolderCheck::Kind::AlreadyThere);
    copy.planPhotos(CopyScene::Catalogue(scene.fileSystem, scene.program.path()));
    const auto events = RunToEnd(copy);
    EXPECT_EQ(Trace(events), (std::vector<std::string>{"copied 100/0 #1", "copied 100/0 #2",
                                                       "finished 100/100 #2"}));
    EXPECT_TRUE(copy.complete());
    EXPECT_EQ(ReadFile(scene.photo("65A.JPG")), std::string(60'000, 'p'));
    struct stat after {};
    ::stat(scene.photo("65A.JPG").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST(MediaCopy, TheOverallGaugeEndsAt100WhenTheDiscHoldsMoreThanItsNominalTotal) {
    CopyScene scene;
    // 43,000,000 bytes in full blocks: more than the photos' 42,000,000.
    scene.writePhoto("65A.JPG", 21'500'000);
    scene.writePhoto("65B.JPG", 21'500'000);
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier);
    copy.confirmTargetFolder();
    copy.planPhotos(scene.discPhotos());
    int previous = 0;
    int lastBlockGauge = -1;
    copy.run([&](const CopyEvent& event) {
        EXPECT_GE(event.overallGauge, previous);
        EXPECT_LE(event.overallGauge, 100);
        previous = event.overallGauge;
        if (event.kind == Kind::BlocksCopied) {
            lastBlockGauge = event.overallGauge;
        }
        return true;
    });
    EXPECT_EQ(lastBlockGauge, 100);
    EXPECT_TRUE(copy.complete());
}

TEST(MediaCopy, CancellingLeavesTheHardDiskAsItWas) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30'000);
    scene.writePhoto("65B.JPG", 80'000);
    scene.writePhoto("65C.JPG", 30'000);
    scene.program.writeFile("/vantrels/65C.JPG", "an earlier copy");
    scene.program.writeFile("/vantrels/readme.txt", "kept");
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier);
    copy.confirmTargetFolder();
    copy.planPhotos(scene.discPhotos());
    std::vector<CopyEvent> events;
    copy.run([&](const CopyEvent& event) {
        events.push_back(event);
        // Stop in the middle of 65B, when a partial file of it exists.
        return !(event.kind == Kind::BlocksCopied && event.fileNumber == 2);
    });
    EXPECT_EQ(events.back().kind, Kind::Cancelled);
    EXPECT_TRUE(copy.ended());
    EXPECT_FALSE(copy.complete());
    EXPECT_EQ(FolderNames(scene.program.path() + "/vantrels"),
              (std::vector<std::string>{"65C.JPG", "readme.txt"}));
    EXPECT_EQ(ReadFile(scene.photo("65C.JPG")), "an earlier copy");
    EXPECT_EQ(copy.step().kind, Kind::Cancelled);  // it stays ended
}

TEST(MediaCopy, ACancelledFirstCopyTakesItsFolderAway) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30'000);
    scene.writePhoto("65B.JPG", 30'000);
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier);
    copy.confirmTargetFolder();
    copy.planPhotos(scene.discPhotos());
    while (copy.step().kind != Kind::FileCopied) {
    }
    copy.cancel();
    EXPECT_EQ(copy.step().kind, Kind::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(scene.program.path() + "/vantrels"));
}

TEST(MediaCopy, ACopyDroppedMidFileLeavesNoPartialFile) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30'000);
    scene.writePhoto("65B.JPG", 90'000);
    scene.program.makeFolder("/vantrels");
    for (FileCopier* copier : {&scene.copier, &scene.namedCopier}) {
        {
            MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, *copier);
            copy.planPhotos(scene.discPhotos());
            while (copy.step().fileNumber != 2) {
            }
            copy.step();
            ASSERT_EQ(FolderNames(scene.program.path() + "/vantrels").size(),
                      copier == &scene.copier ? 1u : 2u)
                << "65A.JPG and a partial file of 65B.JPG under a name or none";
        }
        EXPECT_TRUE(FolderNames(scene.program.path() + "/vantrels").empty());
    }
}

TEST(MediaCopy, AFolderThatCannotBeMadeStopsTheCopyWithTheReason) {
    CopyScene scene;
    MediaCopy copy(CopyKind::Photos, {scene.disc.path(), scene.program.path() + "/gone"},
                   scene.fileSystem, scene.copier);
    const TargetFolderCheck check = copy.confirmTargetFolder();
    EXPECT_EQ(check.kind, TargetFolderCheck::Kind::Failed);
    EXPECT_NE(check.message.text.find("No such file or directory"), std::string::npos)
        << check.message.text;
}

}  // namespace
}  // namespace velocarta
