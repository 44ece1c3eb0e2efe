#include "mediastore/copy_gauges.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

struct FileGaugeCase {
    std::int64_t block;
    std::int64_t blocksDone;
    std::int64_t length;
    int percent;
};

TEST(CopyGauges, TheFileGaugeIsTheShareOfFullBlocksRoundedHalfToEven) {
    const FileGaugeCase cases[] = {
        {25'000, 1, 50'000, 50},  {25'000, 2, 50'000, 100}, {25'000, 1, 60'000, 42},
        {25'000, 2, 60'000, 83},  {25'000, 1, 40'000, 62},  // 62.5
        {25'000, 3, 200'000, 38},                           // 37.5
        {25'000, 1, 200'000, 12},                           // 12.5
        {1'000, 1, 3'500, 29},    {1'000, 3, 3'500, 86},    {1'000, 0, 3'500, 0},
        {25'000, 0, 0, 100},
    };
    for (const FileGaugeCase& c : cases) {
        EXPECT_EQ(FileGaugePercent(c.block, c.blocksDone, c.length), c.percent)
            << c.blocksDone << " of " << c.length;
    }
}

TEST(CopyGauges, OnlyFullBlocksCountForTheOverallGauge) {
    EXPECT_EQ(FullBlockBytes(60'000, 25'000), 50'000);
    EXPECT_EQ(FullBlockBytes(24'999, 25'000), 0);
    EXPECT_EQ(FullBlockBytes(50'000, 25'000), 50'000);
    EXPECT_EQ(FullBlockBytes(0, 25'000), 0);
}

TEST(CopyGauges, TheOverallGaugeStaysWithinItsScale) {
    constexpr std::int64_t kPhotos = 42'000'000;
    EXPECT_EQ(OverallGaugePercent(kPhotos, kPhotos), 0);
    EXPECT_EQ(OverallGaugePercent(kPhotos - 25'000, kPhotos), 0);
    EXPECT_EQ(OverallGaugePercent(kPhotos - 210'000, kPhotos), 0);  // 0.5
    EXPECT_EQ(OverallGaugePercent(kPhotos - 630'000, kPhotos), 2);  // 1.5
    EXPECT_EQ(OverallGaugePercent(21'000'000, kPhotos), 50);
    EXPECT_EQ(OverallGaugePercent(0, kPhotos), 100);
    // More copied than the scale foresaw, or a file that grew: never past either end.
    EXPECT_EQ(OverallGaugePercent(-25'000'000, kPhotos), 100);
    EXPECT_EQ(OverallGaugePercent(kPhotos * 2, kPhotos), 0);

    EXPECT_EQ(OverallGaugeScale(kPhotos, 10'000'000), kPhotos);
    EXPECT_EQ(OverallGaugeScale(kPhotos, 50'000'000), 50'000'000);
}

}  // namespace
}  // namespace velocarta
