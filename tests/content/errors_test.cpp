#include "content/errors.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

TEST(ErrorBody, KeepsEveryBlank) {
    struct Case {
        const char* code;
        const char* body;
    };
    const Case cases[] = {
        {"ER001", " Unable to detect the Vantrel Velocarta CDROM."},
        {"ER002", " Unable to load  Description  for year selected."},
        {"ER011", " Unable to load Slide Show photo."},
        {"ER012", " Unable to load photo."},
        {"ER015", " Unable to load Slide Show photo."},
        {"ER021", " Unable to load  Script  for year selected."},
        {"ER023", " Vantrel photo not found for year selected."},
        {"ER031", " "},
        {"ER032", " Unable to load sound file: "},
        {"ER033", " Unable to load 'Postage Stamps' text file."},
        {"ER034", " You must select both a Start Year and an End Year. "},
        {"ER041", " Unable to load  Rear Emblem for year selected."},
        {"ER043", "  "},
        {"ER054", "       "},
        {"ER055", " Unable to detect the Vantrel Velocarta CDROM."},
        {"ER056", " Unable to load 'What's New' text file."},
        {"ER019", ""},  // there is no ER019
        {"ER057", ""},
        {"er001", ""},  // codes compare exactly
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorBody(c.code), c.body) << c.code;
    }
    for (int n = 1; n <= 56; ++n) {
        const std::string code = (n < 10 ? "ER00" : "ER0") + std::to_string(n);
        EXPECT_EQ(ErrorBody(code).empty(), n == 19) << code;
    }
}

TEST(ComposeErrorMessage, LinesJoinedWithCrLf) {
    EXPECT_EQ(ComposeErrorMessage("ER034"),
              "Error number: ER034\r\n\r\n You must select both a Start Year and an End Year. ");
    EXPECT_EQ(ComposeErrorMessage("ER036"),
              "Error number: ER036\r\n\r\n 'TO' year may not be earlier than 'FROM' year.");
    EXPECT_EQ(ComposeErrorMessage("ER031"),
              "Error number: ER031\r\n\r\n \r\n\r\n"
              "Make sure that the Vantrel Velocarta is in the CDROM drive.");
    EXPECT_EQ(ComposeErrorMessage("ER019"),
              "Error number: ER019\r\n\r\n\r\n\r\n"
              "Make sure that the Vantrel Velocarta is in the CDROM drive.");
}

TEST(ComposeErrorMessage, AReasonStandsInAParagraphOfItsOwn) {
    EXPECT_EQ(ComposeErrorMessage("ER045", "The movie \"/d/x.avi\" cannot be played: damage."),
              "Error number: ER045\r\n\r\n Unable to load Vantrel Movie.\r\n\r\n"
              "The movie \"/d/x.avi\" cannot be played: damage.\r\n\r\n"
              "Make sure that the Vantrel Velocarta is in the CDROM drive.");
    EXPECT_EQ(ComposeErrorMessage("ER034", "why"),
              "Error number: ER034\r\n\r\n You must select both a Start Year and an End Year. "
              "\r\n\r\nwhy");
    EXPECT_EQ(DecideErrorReport("ER038", true, 5, "why").message.text,
              ComposeErrorMessage("ER038", "why"));
}

TEST(DecideErrorReport, RetryCodesOfferRetryWithoutIcon) {
    for (const char* code : {"ER001", "ER037", "ER055"}) {
        const ErrorReport report = DecideErrorReport(code, false, 5);
        EXPECT_TRUE(report.offersRetry) << code;
        EXPECT_EQ(report.message.buttons, Buttons::RetryCancel);
        EXPECT_EQ(report.message.icon, Icon::None);
        EXPECT_EQ(report.message.title, "The Vantrel Velocarta");
        EXPECT_EQ(report.focusButton, 0);
        EXPECT_FALSE(report.enableMainWindow);
    }
}

TEST(DecideErrorReport, OtherCodesAreCriticalOkBoxesThatMoveTheFocus) {
    struct Case {
        bool failurePending;
        int yearButtonIndex;
        int focus;
    };
    const Case cases[] = {{false, 5, 6},   {false, 37, 1}, {false, 0, 1},
                          {false, 36, 37}, {true, 5, 0},   {true, 37, 0}};
    for (const auto& c : cases) {
        const ErrorReport report = DecideErrorReport("ER023", c.failurePending, c.yearButtonIndex);
        EXPECT_FALSE(report.offersRetry);
        EXPECT_EQ(report.message.buttons, Buttons::Ok);
        EXPECT_EQ(report.message.icon, Icon::Critical);
        EXPECT_EQ(report.message.text, ComposeErrorMessage("ER023"));
        EXPECT_EQ(report.focusButton, c.focus) << c.yearButtonIndex;
        EXPECT_TRUE(report.enableMainWindow);
    }
}

}  // namespace
}  // namespace velocarta
