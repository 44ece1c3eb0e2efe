// The gauge widget and the single-file copy that drives one.
#include "program/gauge.h"

#include <gtest/gtest.h>

#include <QAccessible>

#include "copy_scene.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

using testing::ReadFile;

TEST(Gauge, HoldsItsFillWithinNoughtTo100AndKeepsItsOwnCaption) {
    Gauge gauge(nullptr, QStringLiteral("ProgressGuage"), QStringLiteral("Progress of the file"));
    EXPECT_EQ(gauge.objectName(), QStringLiteral("ProgressGuage"));
    for (const auto& [set, held] : {std::pair{-5, 0}, {0, 0}, {62, 62}, {100, 100}, {250, 100}}) {
        gauge.setFloodPercent(set);
        EXPECT_EQ(gauge.floodPercent(), held) << set;
    }
    EXPECT_EQ(gauge.caption(), QString());
    gauge.setCaption(QStringLiteral("37"));
    EXPECT_EQ(gauge.text(), QStringLiteral("37"));
    EXPECT_EQ(gauge.floodPercent(), 100);
}

TEST(Gauge, AScreenReaderHearsAProgressBarWithItsValue) {
    Gauge gauge(nullptr, QStringLiteral("ProgressGuage2"), QStringLiteral("Progress of the copy"));
    gauge.setFloodPercent(40);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&gauge);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Progress of the copy"));
    ASSERT_NE(accessible->valueInterface(), nullptr);
    EXPECT_EQ(accessible->valueInterface()->currentValue().toInt(), 40);
}

struct GaugeCase {
    std::size_t length;
    std::vector<int> fills;  // after each block of 1,000 bytes; the tail moves nothing
};

TEST(CopyFileWithGauge, MovesTheGaugeBlockByBlockAndCopiesTheWholeFile) {
    const GaugeCase cases[] = {{3'000, {33, 67, 100}}, {2'500, {40, 80}}, {999, {}}, {0, {}}};
    for (const GaugeCase& each : cases) {
        testing::ShellHarness harness;
        Program& program = harness.create();
        const std::string contents(each.length, 'v');
        harness.disc.writeFile("/vantrels/65A.JPG", contents);
        harness.program.makeFolder("/ssvantrels");
        Gauge gauge(nullptr, QStringLiteral("gauge"), QStringLiteral("Copy"));
        std::vector<int> fills;
        QObject::connect(&gauge, &QProgressBar::valueChanged,
                         [&](int value) { fills.push_back(value); });
        const FileCopyOutcome outcome =
            CopyFileWithGauge(program, {harness.disc.path(), "/vantrels/65a.jpg"},
                              {harness.program.path(), "/ssvantrels/65A.JPG"}, gauge);
        EXPECT_EQ(outcome.kind, FileCopyOutcome::Kind::Copied) << each.length;
        EXPECT_EQ(fills, each.fills) << each.length;
        EXPECT_EQ(ReadFile(harness.program.path() + "/ssvantrels/65A.JPG"), contents);
    }
}

TEST(CopyFileWithGauge, StopsWhenTheProgramEndsMeanwhileAndLeavesNothing) {
    testing::ShellHarness harness;
    Program& program = harness.create();
    harness.disc.writeFile("/vantrels/65A.JPG", std::string(10'000, 'v'));
    harness.program.makeFolder("/ssvantrels");
    Gauge gauge(nullptr, QStringLiteral("gauge"), QStringLiteral("Copy"));
    QObject::connect(&gauge, &QProgressBar::valueChanged, [&](int value) {
        if (value >= 30) {
            program.EndProgram();
        }
    });
    const FileCopyOutcome outcome =
        CopyFileWithGauge(program, {harness.disc.path(), "/vantrels/65A.JPG"},
                          {harness.program.path(), "/ssvantrels/65A.JPG"}, gauge);
    EXPECT_EQ(outcome.kind, FileCopyOutcome::Kind::Cancelled);
    EXPECT_EQ(gauge.floodPercent(), 30);
    EXPECT_TRUE(testing::FolderNames(harness.program.path() + "/ssvantrels").empty());
}

}  // namespace
}  // namespace velocarta
