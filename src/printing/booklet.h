#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/content_file.h"
#include "shell/main_layout.h"

namespace velocarta {

// The booklet's print job, which also names its PDF file.
inline constexpr std::string_view kBookletTitle = "The Vantrel Velocarta Booklet";

// The booklet's sections, by the index of their check box.
enum class BookletSection {
    Cover = 0,
    Overview = 1,
    ClipArt = 2,
    Description = 3,
    Details = 4,
    Engines = 5,
    Options = 6,
    Colors = 7,
};
inline constexpr int kBookletSectionCount = 8;
using SectionChecks = std::array<bool, kBookletSectionCount>;

// The check boxes' captions, by index; each begins with one blank.
std::span<const std::string_view> BookletSectionCaptions();

// Print is enabled exactly while at least one section is checked.
bool PrintEnabled(const SectionChecks& checks);

// The entries of both year lists: "1964" .. "1999", then "2000".
std::vector<std::string> BookletYearEntries();

// The year value of a list's selected entry: 100 for "2000", else the number its third and
// fourth characters spell ("1967" -> 67; 0 when they spell none). Nothing without a
// selection.
std::optional<int> BookletYearValue(std::optional<std::string_view> selectedEntry);

// The year range's check: "ER034" when a value is missing or 0, "ER036" when TO comes
// before FROM, "" when the range is good.
std::string_view CheckBookletRange(std::optional<int> from, std::optional<int> to);

// One thing the booklet prints, in order.
struct BookletStep {
    enum class Kind {
        CoverPicture,  // `file` drawn at its own size with its corner at x, y (twips)
        NewPage,       // what follows starts on a new page
        Text,          // the rich text of `file`, inside one-inch margins
    };
    Kind kind = Kind::NewPage;
    ContentFile file;
    int x = 0;
    int y = 0;

    static BookletStep Picture(ContentFile file, int x, int y) {
        return {Kind::CoverPicture, std::move(file), x, y};
    }
    static BookletStep NewPage() { return {Kind::NewPage, {}, 0, 0}; }
    static BookletStep Text(ContentFile file) { return {Kind::Text, std::move(file), 0, 0}; }

    friend bool operator==(const BookletStep&, const BookletStep&) = default;
};

// What a run of the booklet does: its steps, then, when the year range is wrong, the code
// to report (the cover and the overview are printed all the same).
struct BookletPlan {
    std::vector<BookletStep> steps;
    std::string rangeError;
};

// The booklet for the checked sections and the years FROM to TO: the cover's four
// pictures and a new page, the overview, and for each year from FROM to TO (2000 last, as
// 100) its description, then its details. Every text is followed by a new page, so that
// the next one starts on a page of its own; the year range is needed only when a box of
// the years (Clip art to Colors) is checked.
BookletPlan PlanBooklet(std::string_view contentPath, const SectionChecks& checks,
                        std::optional<int> from, std::optional<int> to);

// Where the panel goes on the main window (pixels): 5 below the top of the photo, and
// centred over the row of buttons that ends with Exit.
struct PanelPlace {
    int left = 0;
    int top = 0;
};
PanelPlace BookletPanelPlace(const MainLayout& layout, int panelWidth);

}  // namespace velocarta
