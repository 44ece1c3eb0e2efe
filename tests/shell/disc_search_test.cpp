#include "shell/disc_search.h"

#include <gtest/gtest.h>

#include "platform/posix/posix_file_system.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::TempFolder;

using Roots = std::vector<std::string>;

TEST(ContentDiscCandidates, DrivesFirstThenRemovableMediaInMountOrder) {
    const std::string mounts =
        "sysfs /sys sysfs rw 0 0\n"
        "/dev/vda1 / ext4 rw 0 0\n"
        "/dev/sr0 /srv/cdrom iso9660 ro 0 0\n"
        "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
        "/dev/sr1 /run/media/vantreler/VANTREL udf ro 0 0\n"
        "/dev/sdc1 /run/media/someone/DISC vfat rw 0 0\n"
        "/dev/sdd1 /mnt ext4 rw 0 0\n"
        "/dev/sde1 /mnt/disc2 ext4 rw 0 0\n"
        "/dev/sdf1 /mntx ext4 rw 0 0\n"
        "tmpfs /run/user/1000 tmpfs rw 0 0\n";
    EXPECT_EQ(ContentDiscCandidates("/home/v/disc:/tmp/other/", mounts, "vantreler"),
              (Roots{"/home/v/disc", "/tmp/other", "/srv/cdrom", "/media/usb stick",
                     "/run/media/vantreler/VANTREL", "/mnt", "/mnt/disc2"}));
}

TEST(ContentDiscCandidates, EmptyAndRepeatedEntriesAreDropped) {
    EXPECT_EQ(ContentDiscCandidates("", "", "u"), Roots{});
    EXPECT_EQ(ContentDiscCandidates("::/a::/a/:", "x /a iso9660 ro 0 0\nbroken line\n", "u"),
              Roots{"/a"});
}

TEST(SearchContent, FirstCandidateWithPhotosWins) {
    TempFolder program;
    TempFolder empty;
    TempFolder e;
    TempFolder g;
    e.writeFile("/vantrels/64A.JPG");
    g.writeFile("/VANTRELS/65a.jpg");
    empty.writeFile("/vantrels/readme.txt");
    PosixFileSystem fileSystem;
    const ContentRoots roots = SearchContent(
        fileSystem, program.path(), {"/nonexistent/cdrom", empty.path(), e.path(), g.path()});
    EXPECT_EQ(roots.contentPath, e.path());
    EXPECT_EQ(roots.photoRoot, e.path());
    // Without the first disc the second one is found, whatever the folder's case.
    EXPECT_EQ(SearchContent(fileSystem, program.path(), {empty.path(), g.path()}).contentPath,
              g.path());
}

TEST(SearchContent, PhotosCopiedToTheHardDiskStillNeedTheDisc) {
    TempFolder program;
    TempFolder disc;
    program.writeFile("/vantrels/64A.JPG");
    disc.writeFile("/vantrels/64A.JPG");
    PosixFileSystem fileSystem;
    const ContentRoots withDisc = SearchContent(fileSystem, program.path(), {disc.path()});
    EXPECT_EQ(withDisc.contentPath, disc.path());
    EXPECT_EQ(withDisc.photoRoot, program.path());
    const ContentRoots withoutDisc = SearchContent(fileSystem, program.path(), {});
    EXPECT_EQ(withoutDisc.contentPath, "");
    EXPECT_EQ(withoutDisc.photoRoot, program.path());
}

}  // namespace
}  // namespace velocarta
