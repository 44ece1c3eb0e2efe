#include "printing/booklet.h"

#include <algorithm>
#include <cmath>

#include "content/naming.h"

namespace velocarta {

namespace {

constexpr std::array<std::string_view, kBookletSectionCount> kCaptions{
    " Cover",   " Overview", " Clip art", " Description",
    " Details", " Engines",  " Options",  " Colors"};

// Where the cover's pictures go (twips), in the order of BookletCoverPictures.
constexpr std::array<std::pair<int, int>, 4> kCoverPlaces{
    {{1600, 1600}, {2600, 4300}, {500, 8800}, {2800, 12000}}};

constexpr int kYear2000 = 100;

bool Checked(const SectionChecks& checks, BookletSection section) {
    return checks[static_cast<std::size_t>(section)];
}

// Whether a box of the years is checked: those need the year range even when they print
// nothing of their own.
bool AnyYearSection(const SectionChecks& checks) {
    return std::any_of(checks.begin() + static_cast<int>(BookletSection::ClipArt), checks.end(),
                       [](bool checked) { return checked; });
}

// The number at the start of a text, as far as it is made of digits; 0 without one.
int LeadingNumber(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::span<const std::string_view> BookletSectionCaptions() {
    return kCaptions;
}

bool PrintEnabled(const SectionChecks& checks) {
    return std::any_of(checks.begin(), checks.end(), [](bool checked) { return checked; });
}

std::vector<std::string> BookletYearEntries() {
    std::vector<std::string> entries;
    for (int n = 0; n <= 36; ++n) {
        entries.push_back(n == 36 ? std::string("2000") : "19" + std::to_string(n + 64));
    }
    return entries;
}

std::optional<int> BookletYearValue(std::optional<std::string_view> selectedEntry) {
    if (!selectedEntry) {
        return std::nullopt;
    }
    if (*selectedEntry == "2000") {
        return kYear2000;
    }
    return LeadingNumber(selectedEntry->substr(std::min<std::size_t>(2, selectedEntry->size()), 2));
}

std::string_view CheckBookletRange(std::optional<int> from, std::optional<int> to) {
    if (!from || !to || *from == 0 || *to == 0) {
        return "ER034";
    }
    if (*to < *from) {
        return "ER036";
    }
    return "";
}

BookletPlan PlanBooklet(std::string_view contentPath, const SectionChecks& checks,
                        std::optional<int> from, std::optional<int> to) {
    BookletPlan plan;
    auto text = [&plan](ContentFile file) {
        plan.steps.push_back(BookletStep::Text(std::move(file)));
        plan.steps.push_back(BookletStep::NewPage());
    };
    if (Checked(checks, BookletSection::Cover)) {
        const auto pictures = BookletCoverPictures();
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            plan.steps.push_back(
                BookletStep::Picture({std::string(contentPath), std::string(pictures[i])},
                                     kCoverPlaces[i].first, kCoverPlaces[i].second));
        }
        plan.steps.push_back(BookletStep::NewPage());
    }
    if (Checked(checks, BookletSection::Overview)) {
        text(BookletOverviewDoc(contentPath));
    }
    if (!AnyYearSection(checks)) {
        return plan;
    }
    plan.rangeError = std::string(CheckBookletRange(from, to));
    if (!plan.rangeError.empty()) {
        return plan;
    }
    for (int year = *from; year <= *to; ++year) {
        if (Checked(checks, BookletSection::Description)) {
            text(BookletDescriptionDoc(contentPath, year));
        }
        if (Checked(checks, BookletSection::Details)) {
            text(BookletDetailsDoc(contentPath, year));
        }
    }
    return plan;
}

PanelPlace BookletPanelPlace(const MainLayout& layout, int panelWidth) {
    const double rowEnd = (layout.exit.left + layout.exit.width) / double(kTwipsPerPixel);
    return {static_cast<int>(std::lround((rowEnd - panelWidth) / 2)), layout.image4.top + 5};
}

}  // namespace velocarta
