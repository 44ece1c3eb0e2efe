// The generator program refuses what it cannot make into a disc, before it writes anything.
#include <fstream>

#include "sample_disc_fixture.h"

namespace velocarta::testing {
namespace {

// A missing text stops the generator before it writes anything, naming the file.
class MissingText : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingText, FailsNamingTheFile) {
    const TempFolder folder;
    const fs::path texts = fs::path(folder.path()) / "texts";
    fs::copy(VELOCARTA_SAMPLE_TEXTS_DIR, texts, fs::copy_options::recursive);
    ASSERT_TRUE(fs::remove(texts / GetParam()));
    const GeneratorRun run =
        Generate({(fs::path(folder.path()) / "disc").string(),
                  (fs::path(folder.path()) / "program").string(), "--texts", texts.string()},
                 folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("1 text file is missing"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(GetParam()), std::string::npos) << run.errors;
    EXPECT_FALSE(fs::exists(fs::path(folder.path()) / "disc" / "vantrels"));
    EXPECT_FALSE(fs::exists(fs::path(folder.path()) / "program" / "passby.wav"));
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfText, MissingText,
                         ::testing::Values("years/1973/colors.txt", "years/2000/details.txt",
                                           "topics/drstats.txt", "details/vms008.txt",
                                           "fixed/mag4.txt", "program/help.txt"));

TEST(SampleDiscGenerator, ReportsAMalformedTextAndWrongArguments) {
    const TempFolder folder;
    const fs::path texts = fs::path(folder.path()) / "texts";
    fs::copy(VELOCARTA_SAMPLE_TEXTS_DIR, texts, fs::copy_options::recursive);
    {
        std::ofstream broken(texts / "fixed" / "notice.txt", std::ios::trunc);
        broken << "Notice without a title line\n";
    }
    const std::string disc = (fs::path(folder.path()) / "disc").string();
    const GeneratorRun run =
        Generate({disc, folder.path(), "--texts", texts.string()}, folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("fixed/notice.txt: line 1 must read"), std::string::npos)
        << run.errors;
    EXPECT_EQ(Generate({disc}, folder.path()).exitCode, 2);
    EXPECT_EQ(Generate({disc, disc, disc}, folder.path()).exitCode, 2);
    EXPECT_NE(Generate({}, folder.path()).errors.find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace velocarta::testing
