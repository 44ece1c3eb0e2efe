#include "program/photo_cache.h"

#include <gtest/gtest.h>

#include "platform/posix/posix_file_system.h"
#include "support/sample_content.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::TempFolder;

TEST(PhotoCache, DecodesAtTheSizeOnShowAndNeverEnlarges) {
    TempFolder disc;
    testing::WriteJpeg(disc, "/vantrels/65A.JPG", QSize(1600, 1200));
    testing::WriteJpeg(disc, "/vantrels/65B.JPG", QSize(320, 200));
    PosixFileSystem fileSystem;
    PhotoCache cache(fileSystem);
    EXPECT_EQ(cache.load({disc.path(), "/vantrels/65A.JPG"}, QSize(620, 356)).size(),
              QSize(1600, 1200).scaled(620, 356, Qt::KeepAspectRatio));
    // Twice the pixels on a high-density screen: twice the decoded size.
    EXPECT_EQ(cache.load({disc.path(), "/vantrels/65A.JPG"}, QSize(1240, 712)).size(),
              QSize(1600, 1200).scaled(1240, 712, Qt::KeepAspectRatio));
    EXPECT_EQ(cache.load({disc.path(), "/vantrels/65B.JPG"}, QSize(620, 356)).size(),
              QSize(320, 200));
}

TEST(PhotoCache, FindsNamesOfAnyCaseAndReportsBrokenPhotos) {
    TempFolder disc;
    testing::WriteJpeg(disc, "/VANTRELS/65a.jpg");
    disc.writeFile("/VANTRELS/65B.JPG", "this is no JPEG at all");
    PosixFileSystem fileSystem;
    PhotoCache cache(fileSystem);
    EXPECT_FALSE(cache.load({disc.path(), "/vantrels/65A.JPG"}, QSize(100, 100)).isNull());
    EXPECT_THROW(cache.load({disc.path(), "/vantrels/65B.JPG"}, QSize(100, 100)), PhotoLoadError);
    EXPECT_THROW(cache.load({disc.path(), "/vantrels/65C.JPG"}, QSize(100, 100)), PhotoLoadError);
}

TEST(PhotoCache, KeepsOnlyThePhotoOnShowAndItsNeighbours) {
    TempFolder disc;
    std::vector<ContentFile> photos;
    for (char letter = 'A'; letter <= 'F'; ++letter) {
        const std::string rel = std::string("/vantrels/66") + letter + ".JPG";
        testing::WriteJpeg(disc, rel, QSize(200, 150));
        photos.push_back({disc.path(), rel});
    }
    PosixFileSystem fileSystem;
    PhotoCache cache(fileSystem);
    const QSize target(100, 100);
    for (std::size_t i = 0; i < photos.size(); ++i) {
        cache.load(photos[i], target);
        cache.prefetch(photos[i],
                       {photos[(i + 1) % photos.size()], photos[(i + 5) % photos.size()]}, target);
        EXPECT_LE(cache.photosHeld(), 3u);
    }
    // A prefetched photo comes back decoded, and a prefetch of a broken file only fails
    // when that photo is asked for.
    disc.writeFile("/vantrels/66G.JPG", "broken");
    cache.prefetch(photos[0], {photos[1], {disc.path(), "/vantrels/66G.JPG"}}, target);
    EXPECT_EQ(cache.load(photos[1], target).size(), QSize(100, 75));
    EXPECT_THROW(cache.load({disc.path(), "/vantrels/66G.JPG"}, target), PhotoLoadError);
}

}  // namespace
}  // namespace velocarta
