#include "content/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "content/naming.h"
#include "platform/posix/posix_file_system.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::FailingFileSystem;
using testing::TempFolder;

RetryChoice NeverCalled(const FileSystemError& error) {
    ADD_FAILURE() << "unexpected listing failure: " << error.what();
    return RetryChoice::GiveUp;
}

PhotoCatalogue BuildFrom(const TempFolder& disc) {
    PosixFileSystem fileSystem;
    auto catalogue = PhotoCatalogue::Build(fileSystem, disc.path(), NeverCalled);
    EXPECT_TRUE(catalogue.has_value());
    return catalogue.value_or(PhotoCatalogue());
}

TEST(PhotoCatalogue, SortsByUpperCasedNameAndNumbersEachRun) {
    TempFolder disc;
    for (const char* name : {"65B.JPG", "65a.jpg", "64Z.JPG", "A0A.jpg", "99B.JPG", "99A.JPG",
                             "PT004.JPG", "PT002.JPG", "K1002.jpg"}) {
        disc.writeFile(std::string("/vantrels/") + name);
    }
    const PhotoCatalogue catalogue = BuildFrom(disc);

    const char* expectedNames[] = {"64Z.JPG", "65A.JPG",   "65B.JPG",   "99A.JPG",  "99B.JPG",
                                   "A0A.JPG", "K1002.JPG", "PT002.JPG", "PT004.JPG"};
    const int expectedNumbers[] = {1, 1, 2, 1, 2, 1, 1, 1, 2};
    ASSERT_EQ(catalogue.count(), 9);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(catalogue.fileName(k), expectedNames[k - 1]);
        EXPECT_EQ(catalogue.number(k), expectedNumbers[k - 1]);
        EXPECT_EQ(catalogue.path(k), disc.path() + "/vantrels/" + expectedNames[k - 1]);
    }
    // One empty entry follows the last photo.
    EXPECT_EQ(catalogue.path(10), "");
    EXPECT_EQ(catalogue.fileName(10), "");
    EXPECT_THROW((void)catalogue.path(11), std::out_of_range);
    EXPECT_THROW((void)catalogue.path(0), std::out_of_range);
    // The file name starts 10 characters after the photo folder's 1-based position.
    EXPECT_EQ(catalogue.namePos(), static_cast<int>(disc.path().size()) + 1);
    EXPECT_EQ(catalogue.path(1).substr(catalogue.namePos() - 1, 10), "/vantrels/");
}

TEST(PhotoCatalogue, FindsTheFirstPhotoOfEachCode) {
    TempFolder disc;
    for (const char* name : {"64A.JPG", "64B.JPG", "65A.JPG", "99A.JPG", "A0A.JPG", "A0B.JPG",
                             "DRA.JPG", "PT002.JPG"}) {
        disc.writeFile(std::string("/vantrels/") + name);
    }
    const PhotoCatalogue catalogue = BuildFrom(disc);
    EXPECT_EQ(catalogue.firstIndexOf("64"), 1);
    EXPECT_EQ(catalogue.firstIndexOf("65"), 3);
    EXPECT_EQ(catalogue.firstIndexOf("A0"), 5);  // 2000 follows 1999
    EXPECT_EQ(catalogue.firstIndexOf("DR"), 7);
    EXPECT_EQ(catalogue.firstIndexOf("PT"), 8);
    EXPECT_EQ(catalogue.firstIndexOf("70"), 9);  // none: count + 1
    EXPECT_EQ(catalogue.firstIndexOf("pt"), 9);  // codes compare exactly
    EXPECT_EQ(catalogue.firstIndexOf("6"), 9);
    EXPECT_TRUE(catalogue.belongsTo(6, "A0"));
    EXPECT_FALSE(catalogue.belongsTo(9, "A0"));  // the empty entry belongs to nothing
}

TEST(PhotoCatalogue, ReadsFoldersOfAnyCaseAndOnlyJpegFiles) {
    TempFolder disc;
    disc.writeFile("/VANTRELS/65A.JPG");
    disc.writeFile("/VANTRELS/65B.Jpg");
    disc.writeFile("/VANTRELS/65C.png");
    disc.writeFile("/VANTRELS/.65D.JPG");           // hidden
    disc.makeFolder("/VANTRELS/65E.JPG");           // a folder, not a photo
    disc.writeFile("/VANTRELS/._65F.JPG", "junk");  // resource forks from other systems
    const PhotoCatalogue catalogue = BuildFrom(disc);
    ASSERT_EQ(catalogue.count(), 2);
    EXPECT_EQ(catalogue.fileName(2), "65B.JPG");
    // The catalogue path spells the folder as the program does; lookups ignore case.
    PosixFileSystem fileSystem;
    EXPECT_TRUE(fileSystem.resolve(catalogue.file(2)).has_value());
}

TEST(PhotoCatalogue, NoPhotosOrNoFolderGiveAnEmptyCatalogue) {
    TempFolder withoutFolder;
    TempFolder withEmptyFolder;
    withEmptyFolder.makeFolder("/vantrels");
    for (const TempFolder* disc : {&withoutFolder, &withEmptyFolder}) {
        const PhotoCatalogue catalogue = BuildFrom(*disc);
        EXPECT_EQ(catalogue.count(), 0);
        EXPECT_EQ(catalogue.path(1), "");
        EXPECT_EQ(catalogue.namePos(), 0);
        EXPECT_EQ(catalogue.firstIndexOf("64"), 1);
    }
}

TEST(PhotoCatalogue, HoldsThousandsOfPhotosBeyondSixteenBits) {
    // More photos than a 16-bit counter holds.
    std::vector<std::string> names;
    for (int i = 0; i < 40'000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%02d%05d.jpg", 64 + i % 36, i);
        names.emplace_back(name);
    }
    const PhotoCatalogue catalogue = PhotoCatalogue::FromNames("/cd", names);
    ASSERT_EQ(catalogue.count(), 40'000);
    EXPECT_EQ(catalogue.fileName(1), "6400000.JPG");
    EXPECT_EQ(catalogue.number(catalogue.firstIndexOf("65") - 1), 1112);  // 64's last photo
    EXPECT_EQ(catalogue.fileName(40'000), "9939995.JPG");
    EXPECT_EQ(catalogue.number(40'000), 1111);
}

TEST(PhotoCatalogue, ThousandsOfFilesOnDisk) {
    TempFolder disc;
    disc.makeFolder("/vantrels");
    for (int i = 0; i < 3000; ++i) {
        disc.writeFile("/vantrels/" + std::to_string(70 + i % 5) + "_" + std::to_string(i) +
                       ".jpg");
    }
    const PhotoCatalogue catalogue = BuildFrom(disc);
    ASSERT_EQ(catalogue.count(), 3000);
    for (int k = 2; k <= catalogue.count(); ++k) {
        ASSERT_LT(catalogue.fileName(k - 1), catalogue.fileName(k));
    }
    EXPECT_EQ(catalogue.number(catalogue.firstIndexOf("71") - 1), 600);
}

TEST(PhotoCatalogue, FailedListingStepsAreRetriedOrGivenUp) {
    TempFolder disc;
    disc.writeFile("/vantrels/65A.JPG");
    disc.writeFile("/vantrels/65B.JPG");

    FailingFileSystem failing;
    failing.failOpens = 2;
    failing.failNextCalls = {2};
    int failures = 0;
    auto retry = [&failures](const FileSystemError&) {
        ++failures;
        return RetryChoice::Retry;
    };
    const auto catalogue = PhotoCatalogue::Build(failing, disc.path(), retry);
    ASSERT_TRUE(catalogue.has_value());
    EXPECT_EQ(failures, 3);
    EXPECT_EQ(catalogue->count(), 2);  // nothing lost and nothing doubled by the retries

    FailingFileSystem failingAgain;
    failingAgain.failNextCalls = {1};
    auto giveUp = [](const FileSystemError&) { return RetryChoice::GiveUp; };
    EXPECT_FALSE(PhotoCatalogue::Build(failingAgain, disc.path(), giveUp).has_value());
}

TEST(PhotoCatalogue, ARootThatIsGoneIsAListingFailure) {
    PosixFileSystem fileSystem;
    int failures = 0;
    auto giveUp = [&failures](const FileSystemError&) {
        ++failures;
        return RetryChoice::GiveUp;
    };
    EXPECT_FALSE(PhotoCatalogue::Build(fileSystem, "/nonexistent/velocarta-disc", giveUp));
    EXPECT_EQ(failures, 1);
}

TEST(PhotoCatalogue, BytesHeldStayNearTheNames) {
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i) {
        names.push_back("65" + std::to_string(i) + ".JPG");
    }
    const PhotoCatalogue catalogue = PhotoCatalogue::FromNames("/cd", names);
    EXPECT_LT(catalogue.bytesHeld() / 1000, 64u);
}

TEST(MovieList, UpperCasedMoviesOnly) {
    TempFolder disc;
    disc.writeFile("/Movies/Kite1.avi");
    disc.writeFile("/Movies/1966.AVI");
    disc.writeFile("/Movies/readme.txt");
    PosixFileSystem fileSystem;
    const auto movies = MovieList::Build(fileSystem, disc.path(), NeverCalled);
    ASSERT_TRUE(movies.has_value());
    std::vector<std::string> names = movies->names;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"1966.AVI", "KITE1.AVI"}));
}

}  // namespace
}  // namespace velocarta
