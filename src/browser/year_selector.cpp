#include "browser/year_selector.h"

#include <array>

#include "content/errors.h"
#include "content/naming.h"

namespace velocarta {

namespace {

struct CycleRow {
    std::string_view from;
    std::string_view to;
    int next;
    ShowBy showBy;
};

constexpr std::array<CycleRow, 12> kCycle{{
    {"2000", "Early Vantrel Prototypes ", 37, ShowBy::ChooseYear},
    {"Early Vantrel Prototypes ", "Vantrel Kite I ", 37, ShowBy::ChooseYear},
    {"Vantrel Kite I ", "Vantrel Kite III ", 37, ShowBy::ChooseYear},
    {"Vantrel Kite III ", "Vantrel Super Stravon ", 37, ShowBy::ChooseYear},
    {"Vantrel Super Stravon ", "Danbury Mint Die Cast Models ", 37, ShowBy::ChooseYear},
    {"Danbury Mint Die Cast Models ", "Franklin Mint Collector Knives ", 37, ShowBy::ChooseYear},
    {"Franklin Mint Collector Knives ", "Franklin Mint Die Cast Models ", 37,
     ShowBy::ShowDetailsTopic},
    {"Franklin Mint Die Cast Models ", "Vantrel Cookies ", 37, ShowBy::ShowDetailsTopic},
    {"Vantrel Cookies ", "The Vantrel Monopoly Game ", 37, ShowBy::ShowDetailsTopic},
    {"The Vantrel Monopoly Game ", "Vantrel Metal Signs ", 37, ShowBy::ShowDetailsTopic},
    {"Vantrel Metal Signs ", "Vantrel Postage Stamps ", 1, ShowBy::ChooseYear},
    {"Vantrel Postage Stamps ", "1964 ", 1, ShowBy::ChooseYear},
}};

}  // namespace

PhotoClickAdvance DecidePhotoClick(std::string_view caption, int yearButtonIndex) {
    PhotoClickAdvance advance;
    advance.next = NextYearButton(yearButtonIndex);
    advance.caption = YearOfButton(advance.next);
    for (const CycleRow& row : kCycle) {
        if (row.from == caption) {
            advance.caption = row.to;
            advance.next = row.next;
            advance.showBy = row.showBy;
            break;
        }
    }
    advance.focusButton = advance.next == 37 ? 1 : advance.next + 1;
    return advance;
}

YearKeyAction DecideYearKey(int keyCode, bool yearPicked) {
    switch (keyCode) {
        case kKeyComma:
            return YearKeyAction::PreviousPhoto;
        case kKeyPeriod:
            return YearKeyAction::NextPhoto;
        case kKeySpace:
            return yearPicked ? YearKeyAction::Nothing : YearKeyAction::Pick;
        default:
            return YearKeyAction::Nothing;
    }
}

}  // namespace velocarta
