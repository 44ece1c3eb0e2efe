#include "mediastore/free_space.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/fake_disk_space.h"

namespace velocarta {
namespace {

using testing::FakeDiskSpace;

TEST(FreeSpace, NumbersTakeThousandsSeparatorsAndZeroIsEmpty) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, ""},
        {7, "7"},
        {999, "999"},
        {1'000, "1,000"},
        {42'000'000, "42,000,000"},
        {432'000'000, "432,000,000"},
        {123'456'789'012, "123,456,789,012"},
        {-1'500, "-1,500"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatThousands(value), text) << value;
    }
}

TEST(FreeSpace, TheShortageMessageLineByLine) {
    const Message message = ShortageMessage(41'958'000, 42'000'000);
    EXPECT_EQ(message.text,
              "Not enough available hard disk space to copy photos.\r\n"
              "\r\n"
              "Free some up and try again.\r\n"
              "\r\n"
              "You have:  41,958,000 bytes\r\n"
              "\r\n"
              "You need:   42,000 bytes more\r\n"
              "\r\n"
              "For a total of:   42,000,000 bytes free.\r\n");
    EXPECT_EQ(message.title, "The Vantrel Velocarta");
    EXPECT_EQ(message.icon, Icon::Critical);
    EXPECT_EQ(message.buttons, Buttons::Ok);
}

TEST(FreeSpace, TheDiskIsCountedInWholeGroupsOf1024Clusters) {
    FakeDiskSpace disks;
    disks.geometry = {8, 512, 10'000, 2'000'000, "/home"};
    std::string drive = "/home/me/velocarta";
    const DiskSpaceFigures figures = GetDiskSpace(disks, drive);
    EXPECT_TRUE(figures.measured);
    EXPECT_EQ(figures.free, 9 * 8 * 512);      // 10,000 ÷ 1024 = 9
    EXPECT_EQ(figures.total, 1953 * 8 * 512);  // 2,000,000 ÷ 1024 = 1953
    EXPECT_EQ(drive, "/home");
    EXPECT_EQ(disks.asked, std::vector<std::string>{"/home/me/velocarta"});

    disks.geometry = {64, 4096, ~0ull, ~0ull, "/"};  // larger than any disk: held, not wrapped
    EXPECT_EQ(GetDiskSpace(disks, drive).free, std::numeric_limits<std::int64_t>::max());

    disks.fail = true;
    drive = "/gone";
    const DiskSpaceFigures none = GetDiskSpace(disks, drive);
    EXPECT_FALSE(none.measured);
    EXPECT_EQ(none.free, 0);
    EXPECT_EQ(drive, "/gone");
}

TEST(FreeSpace, ExactlyTheNominalTotalIsEnough) {
    FakeDiskSpace disks;
    // (1024 × 1000 clusters ÷ 1024) × 42 bytes × 1000 = 42,000,000 bytes.
    disks.geometry = {1, 42, 1024 * 1000, 1024 * 2000, "/"};
    const CopyPanelSetup enough = PrepareCopyPanel(CopyKind::Photos, disks, "/opt/velocarta");
    EXPECT_TRUE(enough.showPanel);
    EXPECT_TRUE(enough.messages.empty());
    EXPECT_EQ(enough.freeBytes, 42'000'000);
    EXPECT_EQ(enough.heading, "Copy photos from CD-ROM to hard drive");
    EXPECT_EQ(enough.copyButton, "Copy Photos");
    EXPECT_EQ(disks.asked, std::vector<std::string>{"/opt/velocarta"});

    // One group of clusters less; the last 1023 clusters never count.
    disks.geometry.freeClusters = 1024 * 1000 - 1;
    const CopyPanelSetup short1 = PrepareCopyPanel(CopyKind::Photos, disks, "/opt/velocarta");
    EXPECT_FALSE(short1.showPanel);
    ASSERT_EQ(short1.messages.size(), 1u);
    EXPECT_EQ(short1.messages[0].text, ShortageMessage(41'958'000, 42'000'000).text);
}

TEST(FreeSpace, MoviesNeedTheirOwnTotalButTheMessageSpeaksOfPhotos) {
    FakeDiskSpace disks;
    disks.geometry = {8, 512, 1024 * 100, 1024 * 200, "/"};  // 409,600,000 bytes
    const CopyPanelSetup movies = PrepareCopyPanel(CopyKind::Movies, disks, "/opt/velocarta");
    EXPECT_EQ(movies.heading, "Copy Movies from CD-ROM to hard drive");
    EXPECT_EQ(movies.copyButton, "Copy Movies");
    EXPECT_EQ(movies.requiredBytes, 432'000'000);
    ASSERT_EQ(movies.messages.size(), 1u);
    EXPECT_NE(movies.messages[0].text.find("to copy photos.\r\n"), std::string::npos);
    EXPECT_NE(movies.messages[0].text.find("You need:   22,400,000 bytes more"), std::string::npos);
    EXPECT_TRUE(PrepareCopyPanel(CopyKind::Photos, disks, "/opt/velocarta").showPanel);
}

TEST(FreeSpace, ADiskThatCannotBeMeasuredIsReportedAndCountsAsFull) {
    FakeDiskSpace disks;
    disks.fail = true;
    const CopyPanelSetup setup = PrepareCopyPanel(CopyKind::Photos, disks, "/opt/velocarta");
    EXPECT_FALSE(setup.showPanel);
    ASSERT_EQ(setup.messages.size(), 2u);
    EXPECT_EQ(setup.messages[0].text, "Internal GetDisk error!");
    EXPECT_EQ(setup.messages[0].icon, Icon::None);
    EXPECT_EQ(setup.messages[0].title, "The Vantrel Velocarta");
    EXPECT_NE(setup.messages[1].text.find("You have:   bytes\r\n"), std::string::npos);
    EXPECT_NE(setup.messages[1].text.find("You need:   42,000,000 bytes more"), std::string::npos);
}

}  // namespace
}  // namespace velocarta
