// The rules of the booklet and the photo page, without windows.
#include <gtest/gtest.h>

#include "printing/booklet.h"
#include "printing/photo_page.h"
#include "printing/print_messages.h"

namespace velocarta {
namespace {

using Kind = BookletStep::Kind;

SectionChecks Checks(std::initializer_list<BookletSection> sections) {
    SectionChecks checks{};
    for (const BookletSection section : sections) {
        checks[static_cast<std::size_t>(section)] = true;
    }
    return checks;
}

// The files of the plan's texts, in order.
std::vector<std::string> Texts(const BookletPlan& plan) {
    std::vector<std::string> texts;
    for (const BookletStep& step : plan.steps) {
        if (step.kind == Kind::Text) {
            texts.push_back(step.file.rel);
        }
    }
    return texts;
}

TEST(BookletSections, PrintIsEnabledExactlyWhileOneIsChecked) {
    EXPECT_FALSE(PrintEnabled(SectionChecks{}));
    for (int index = 0; index < kBookletSectionCount; ++index) {
        SectionChecks checks{};
        checks[index] = true;
        EXPECT_TRUE(PrintEnabled(checks)) << index;
    }
    const auto captions = BookletSectionCaptions();
    ASSERT_EQ(captions.size(), 8u);
    EXPECT_EQ(captions[0], " Cover");
    EXPECT_EQ(captions[2], " Clip art");
    EXPECT_EQ(captions[7], " Colors");
}

TEST(BookletYears, ListsHoldTheYearsAndTheirValues) {
    const std::vector<std::string> entries = BookletYearEntries();
    ASSERT_EQ(entries.size(), 37u);
    EXPECT_EQ(entries.front(), "1964");
    EXPECT_EQ(entries[35], "1999");
    EXPECT_EQ(entries.back(), "2000");

    const struct {
        std::optional<std::string_view> entry;
        std::optional<int> value;
    } cases[] = {
        {"1964", 64},
        {"1967", 67},
        {"1999", 99},
        {"2000", 100},
        {std::nullopt, std::nullopt},  // no selection
        {"19", 0},                     // nothing after the century
        {"19x5", 0},                   // no number: reads as 0, which the range refuses
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BookletYearValue(c.entry), c.value) << c.entry.value_or("(none)");
    }
}

TEST(BookletYears, RangeCheck) {
    const struct {
        std::optional<int> from, to;
        std::string_view code;
    } cases[] = {
        {64, 100, ""},
        {70, 70, ""},
        {98, 100, ""},
        {std::nullopt, 70, "ER034"},
        {70, std::nullopt, "ER034"},
        {std::nullopt, std::nullopt, "ER034"},
        {0, 70, "ER034"},
        {70, 0, "ER034"},
        {70, 69, "ER036"},
        {100, 99, "ER036"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckBookletRange(c.from, c.to), c.code)
            << c.from.value_or(-1) << " to " << c.to.value_or(-1);
    }
}

TEST(BookletPlan, TheCoverIsItsFourPicturesAtTheirPlacesThenANewPage) {
    const BookletPlan plan =
        PlanBooklet("/disc", Checks({BookletSection::Cover}), std::nullopt, std::nullopt);
    const std::vector<BookletStep> expected{
        BookletStep::Picture({"/disc", "/graphics/logo.jpg"}, 1600, 1600),
        BookletStep::Picture({"/disc", "/graphics/66red.jpg"}, 2600, 4300),
        BookletStep::Picture({"/disc", "/graphics/bklettxt.jpg"}, 500, 8800),
        BookletStep::Picture({"/disc", "/graphics/kestrix3.jpg"}, 2800, 12000),
        BookletStep::NewPage()};
    EXPECT_EQ(plan.steps, expected);
    EXPECT_EQ(plan.rangeError, "");  // no year section: no range needed
}

TEST(BookletPlan, EachTextIsFollowedByANewPage) {
    const BookletPlan plan = PlanBooklet("/disc", Checks({BookletSection::Overview}), 70, 69);
    const std::vector<BookletStep> expected{BookletStep::Text({"/disc", "/RichText/intro.rtf"}),
                                            BookletStep::NewPage()};
    EXPECT_EQ(plan.steps, expected);
    EXPECT_EQ(plan.rangeError, "");  // the range is not looked at without a year section
}

TEST(BookletPlan, YearsRunFromFromToToWith2000LastEachDescriptionBeforeItsDetails) {
    EXPECT_EQ(Texts(PlanBooklet("/d", Checks({BookletSection::Description}), 98, 100)),
              (std::vector<std::string>{"/RichText/98desc.rtf", "/RichText/99desc.rtf",
                                        "/RichText/A0desc.rtf"}));
    EXPECT_EQ(
        Texts(PlanBooklet("/d",
                          Checks({BookletSection::Details, BookletSection::Description,
                                  BookletSection::Overview}),
                          66, 67)),
        (std::vector<std::string>{"/RichText/intro.rtf", "/RichText/66desc.rtf", "/RichText/66.rtf",
                                  "/RichText/67desc.rtf", "/RichText/67.rtf"}));
    const BookletPlan everything =
        PlanBooklet("/d", SectionChecks{true, true, true, true, true, true, true, true}, 64, 100);
    EXPECT_EQ(Texts(everything).size(), 1u + 37 * 2);
    EXPECT_EQ(Texts(everything).back(), "/RichText/A0.rtf");
}

TEST(BookletPlan, AWrongRangeKeepsTheCoverAndOverviewAndPrintsNoYear) {
    const SectionChecks checks =
        Checks({BookletSection::Cover, BookletSection::Overview, BookletSection::Details});
    const BookletPlan backwards = PlanBooklet("/d", checks, 70, 69);
    EXPECT_EQ(backwards.rangeError, "ER036");
    EXPECT_EQ(Texts(backwards), std::vector<std::string>{"/RichText/intro.rtf"});
    EXPECT_EQ(backwards.steps.size(), 4u + 1 + 2);
    const BookletPlan missing = PlanBooklet("/d", checks, std::nullopt, 69);
    EXPECT_EQ(missing.rangeError, "ER034");
    EXPECT_EQ(missing.steps, backwards.steps);
}

TEST(BookletPlan, SectionsWithoutTextsNeedTheRangeAndPrintNothing) {
    for (const BookletSection section : {BookletSection::ClipArt, BookletSection::Engines,
                                         BookletSection::Options, BookletSection::Colors}) {
        EXPECT_TRUE(PlanBooklet("/d", Checks({section}), 64, 100).steps.empty());
        EXPECT_EQ(PlanBooklet("/d", Checks({section}), std::nullopt, 100).rangeError, "ER034");
    }
}

TEST(BookletPanelPlace, FiveBelowThePhotoCentredOverTheButtonRow) {
    MainLayout layout = DesignLayout();
    // Exit ends at 11775 twips, 785 pixels.
    EXPECT_EQ(BookletPanelPlace(layout, 385).left, 200);
    EXPECT_EQ(BookletPanelPlace(layout, 385).top, layout.image4.top + 5);
    layout = RelayoutForOtherScreen(layout);
    const int rowEnd = layout.exit.left + layout.exit.width;
    EXPECT_NEAR(BookletPanelPlace(layout, 400).left, (rowEnd / 15.0 - 400) / 2, 0.5);
}

TEST(PhotoPage, TwelveLinesWithTheProductAndTheCaption) {
    const std::vector<std::string> lines = PhotoPageLines("Vantrel Cookies ");
    const std::vector<std::string> expected{" ",
                                            " ",
                                            " ",
                                            " ",
                                            " ",
                                            " ",
                                            " ",
                                            " ",
                                            "            The Vantrel Velocarta 2000",
                                            " ",
                                            "            Vantrel Cookies ",
                                            " "};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(PhotoPageLines("1965")[10], "            1965");
    // Before the first pick the panel's design-time name is no caption to print.
    EXPECT_EQ(PhotoPageLines("panYear")[10], "            ");
}

TEST(PhotoPage, ThePhotoOnShowAndTheJobsName) {
    EXPECT_EQ(PhotoOnShowFile("/media/cd/vantrels/65A.JPG"),
              (ContentFile{"/media/cd", "/vantrels/65A.JPG"}));
    // A root with a folder of the same name: the photo's own folder is the last.
    EXPECT_EQ(PhotoOnShowFile("/home/u/vantrels/disc/vantrels/A0B.JPG"),
              (ContentFile{"/home/u/vantrels/disc", "/vantrels/A0B.JPG"}));
    EXPECT_EQ(PhotoOnShowFile(""), std::nullopt);
    EXPECT_EQ(PhotoOnShowFile("/media/cd/vantrels/"), std::nullopt);

    EXPECT_EQ(PhotoPageTitle("1965"), "The Vantrel Velocarta 1965");
    EXPECT_EQ(PhotoPageTitle("Vantrel Cookies "), "The Vantrel Velocarta Vantrel Cookies ");
    EXPECT_EQ(PhotoPageTitle("panYear"), "The Vantrel Velocarta");
}

TEST(PrintMessages, WhereTheFileWentAndWhatFailed) {
    EXPECT_EQ(PrintedToFileText("/home/u/Documents/Credits.pdf"),
              "The pages were printed to the PDF file:\r\n\r\n/home/u/Documents/Credits.pdf");
    EXPECT_EQ(BookletPrintedText(""), "Booklet printed!\r\n");
    EXPECT_EQ(BookletPrintedText("/tmp/b.pdf"),
              "Booklet printed!\r\n\r\nThe pages were printed to the PDF file:\r\n\r\n/tmp/b.pdf");
    EXPECT_EQ(UnableToPrintText("the photograph", "No paper."),
              "Unable to print the photograph.\r\n\r\nNo paper.");
}

}  // namespace
}  // namespace velocarta
