#include "media/media_tables.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::TempFolder;

TEST(ChooseMovieRoot, TheHardDiskCopyWhenItHoldsAMovie) {
    TempFolder store;
    const std::string disc = "/media/cdrom";
    const struct {
        const char* file;  // "" for none; the folder alone when it ends in '/'
        bool storeChosen;
    } cases[] = {
        {"", false},
        {"/movies/", false},
        {"/movies/notes.txt", false},
        {"/movies/kite1.avi.part", false},
        {"/movies/Kite1.avi", true},
        {"/MOVIES/1966.AVI", true},  // the copy may come in any case
        {"/vantrels/1966.avi", false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(store.path() + "/movies");
        std::filesystem::remove_all(store.path() + "/MOVIES");
        std::filesystem::remove_all(store.path() + "/vantrels");
        const std::string file = c.file;
        if (!file.empty() && file.back() == '/') {
            store.makeFolder(file);
        } else if (!file.empty()) {
            store.writeFile(file);
        }
        testing::FailingFileSystem fileSystem;
        EXPECT_EQ(ChooseMovieRoot(fileSystem, store.path(), disc),
                  c.storeChosen ? store.path() : disc)
            << c.file;
    }
}

TEST(ChooseMovieRoot, AStoreThatCannotBeListedLeavesTheDisc) {
    TempFolder store;
    store.writeFile("/movies/Kite1.avi");
    testing::FailingFileSystem fileSystem;
    fileSystem.failOpens = 1;
    EXPECT_EQ(ChooseMovieRoot(fileSystem, store.path(), "/disc"), "/disc");
    EXPECT_EQ(ChooseMovieRoot(fileSystem, store.path(), "/disc"), store.path());
}

TEST(MediaTables, OnlyMoviesFiveAndSixAreHidden) {
    const auto movies = MovieTable();
    ASSERT_EQ(movies.size(), 8u);
    for (std::size_t i = 0; i < movies.size(); ++i) {
        EXPECT_EQ(movies[i].offered, i != 5 && i != 6) << i;
    }
    EXPECT_EQ(MovieFile("/store", 2), (ContentFile{"/store", "/movies/65-2+2.avi"}));
    EXPECT_THROW(MovieFile("/store", 8), std::out_of_range);
}

TEST(MediaTables, SoundsComeFromTheDiscsWavFolder) {
    ASSERT_EQ(SoundTable().size(), 27u);
    EXPECT_EQ(SoundEffectFile("/disc", 9), (ContentFile{"/disc", "/wav/Track2.wav"}));
    EXPECT_EQ(SoundEffectFile("/disc", 26), (ContentFile{"/disc", "/wav/stuck.wav"}));
    EXPECT_THROW(SoundEffectFile("/disc", 27), std::out_of_range);
}

}  // namespace
}  // namespace velocarta
