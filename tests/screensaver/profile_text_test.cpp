// Writing and reading settings files as a profile-string write does, on texts as people and
// other programs write them.
#include <gtest/gtest.h>

#include "screensaver/profile_text.h"

namespace velocarta {
namespace {

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyTheLineOfTheKey) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(SetProfileString(c.before, c.section, c.key, c.value), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProfileWrite,
    ::testing::Values(
        WriteCase{"NewFile", "", "Vantrel2000", "VantrelPath", "/a/",
                  "[Vantrel2000]\nVantrelPath=/a/\n"},
        WriteCase{"ValueReplaced", "[Vantrel2000]\nVantrelPath=/old/\nInterval=5\n", "Vantrel2000",
                  "VantrelPath", "/new/", "[Vantrel2000]\nVantrelPath=/new/\nInterval=5\n"},
        WriteCase{"KeyAndSectionInAnotherCaseKeepTheirSpelling",
                  "[VANTREL2000]\nvantrelpath = /old/\n", "Vantrel2000", "VantrelPath", "/new/",
                  "[VANTREL2000]\nvantrelpath=/new/\n"},
        WriteCase{"BlanksAroundNames", "  [ Vantrel2000 ]  \n\tInterval\t=  3\n", "Vantrel2000",
                  "Interval", "15", "  [ Vantrel2000 ]  \nInterval=15\n"},
        WriteCase{"OtherSectionsAndKeysSurvive",
                  "; settings\n[Other]\nInterval=9\n\n[Vantrel2000]\nColour=red\n\n[Last]\nx=1\n",
                  "Vantrel2000", "Interval", "2",
                  "; settings\n[Other]\nInterval=9\n\n[Vantrel2000]\nColour=red\nInterval=2\n\n"
                  "[Last]\nx=1\n"},
        WriteCase{"NewKeyGoesAfterTheLastEntryNotAfterTrailingComments",
                  "[Vantrel2000]\nA=1\n; about Last\n[Last]\n", "Vantrel2000", "B", "2",
                  "[Vantrel2000]\nA=1\nB=2\n; about Last\n[Last]\n"},
        WriteCase{"KeyInAnotherSectionIsNotTouched", "[Other]\nInterval=9\n", "Vantrel2000",
                  "Interval", "1", "[Other]\nInterval=9\n\n[Vantrel2000]\nInterval=1\n"},
        WriteCase{"NoFinalNewlineBeforeANewSection", "[Other]\nx=1", "Vantrel2000", "Interval", "1",
                  "[Other]\nx=1\n\n[Vantrel2000]\nInterval=1\n"},
        WriteCase{"NoFinalNewlineOnTheReplacedLine", "[Vantrel2000]\nInterval=1", "Vantrel2000",
                  "Interval", "60", "[Vantrel2000]\nInterval=60"},
        WriteCase{"NoFinalNewlineBeforeANewKey", "[Vantrel2000]\nA=1", "Vantrel2000", "B", "2",
                  "[Vantrel2000]\nA=1\nB=2\n"},
        WriteCase{"CrLfFileKeepsCrLf", "[Vantrel2000]\r\nA=1\r\n", "Vantrel2000", "B", "2",
                  "[Vantrel2000]\r\nA=1\r\nB=2\r\n"},
        WriteCase{"CommentThatLooksLikeTheKeyIsNotAKey", "[Vantrel2000]\n;Interval=7\n",
                  "Vantrel2000", "Interval", "8", "[Vantrel2000]\nInterval=8\n;Interval=7\n"},
        WriteCase{"FirstOfTwoSectionsOfOneName", "[Vantrel2000]\nA=1\n[vantrel2000]\nA=2\n",
                  "Vantrel2000", "A", "3", "[Vantrel2000]\nA=3\n[vantrel2000]\nA=2\n"},
        WriteCase{"KeyWithoutValueGetsOne", "[Vantrel2000]\nInterval\n", "Vantrel2000", "Interval",
                  "4", "[Vantrel2000]\nInterval=4\n"},
        WriteCase{"ByteOrderMarkStays", "\xEF\xBB\xBF[Vantrel2000]\nA=1\n", "Vantrel2000", "A", "2",
                  "\xEF\xBB\xBF[Vantrel2000]\nA=2\n"},
        WriteCase{"EmptyValue", "[Vantrel2000]\nA=1\n", "Vantrel2000", "A", "",
                  "[Vantrel2000]\nA=\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(ProfileWrite, RefusesWhatWouldNotStayOneEntry) {
    EXPECT_THROW(SetProfileString("", "Vantrel2000", "VantrelPath", "/a\n[Other]"),
                 ProfileValueError);
    EXPECT_THROW(SetProfileString("", "Vantrel2000", "Vantrel=Path", "x"), ProfileValueError);
    EXPECT_THROW(SetProfileString("", "Vantrel]2000", "Key", "x"), ProfileValueError);
    EXPECT_THROW(SetProfileString("", " ", "Key", "x"), ProfileValueError);
    EXPECT_THROW(SetProfileString("", "Vantrel2000", "", "x"), ProfileValueError);
}

TEST(ProfileRead, FindsTheValueAsAWriteLeftIt) {
    const std::string text =
        "[Other]\nInterval=9\n[ vantrel2000 ]\n; Interval=0\n  INTERVAL =  15  \n"
        "VantrelPath=\"/with blanks/\"\nEmpty=\nBare\n";
    EXPECT_EQ(GetProfileString(text, "Vantrel2000", "Interval"), "15");
    EXPECT_EQ(GetProfileString(text, "Vantrel2000", "VantrelPath"), "/with blanks/");
    EXPECT_EQ(GetProfileString(text, "Vantrel2000", "Empty"), "");
    EXPECT_EQ(GetProfileString(text, "Vantrel2000", "Bare"), "");
    EXPECT_EQ(GetProfileString(text, "Other", "Interval"), "9");
    EXPECT_FALSE(GetProfileString(text, "Vantrel2000", "Missing"));
    EXPECT_FALSE(GetProfileString(text, "Missing", "Interval"));
    EXPECT_FALSE(GetProfileString("", "Vantrel2000", "Interval"));
}

TEST(ProfileRead, ReadsBackEveryWrite) {
    std::string text = "[Other]\r\nx=1";
    text = SetProfileString(text, "Vantrel2000", "VantrelPath", "/home/ann/ssvantrels/");
    text = SetProfileString(text, "Vantrel2000", "Interval", "15");
    text = SetProfileString(text, "Vantrel2000", "Interval", "20");
    EXPECT_EQ(GetProfileString(text, "Vantrel2000", "VantrelPath"), "/home/ann/ssvantrels/");
    EXPECT_EQ(GetProfileString(text, "Vantrel2000", "Interval"), "20");
    EXPECT_EQ(GetProfileString(text, "Other", "x"), "1");
    EXPECT_EQ(text,
              "[Other]\r\nx=1\r\n\r\n[Vantrel2000]\r\nVantrelPath=/home/ann/ssvantrels/\r\n"
              "Interval=20\r\n");
}

}  // namespace
}  // namespace velocarta
