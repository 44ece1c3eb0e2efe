#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

namespace velocarta::rtf {

// The numbering of lists from \listtable and \listoverridetable: what word processors show
// in front of a list item, whatever \listtext the writer put there (some write none).
class ListTable {
  public:
    static constexpr int kLevels = 9;
    // Numbers count no higher than this.
    static constexpr int kMaxNumber = 1'000'000;

    // Level text elements: characters, or kPlaceholder + n for the number of level n.
    static constexpr char32_t kPlaceholder = 0x110000;
    // How the reader hands over a byte of \leveltext before it knows the level's font.
    static constexpr char32_t kRawByte = 0x200000;

    struct Level {
        int numberFormat = 0;  // \levelnfc: 0 decimal, 1/2 roman, 3/4 letters, 23 bullet
        int startAt = 1;
        std::u32string text;
    };

    void beginList() { current_ = List{}; }
    void setListId(int id) { current_.id = id; }
    void beginLevel() { level_ = Level{}; }
    Level& level() { return level_; }
    // Ends the level whose text holds, as written, its length first and then its bytes
    // (kRawByte + byte) and characters; the bytes are decoded with codePage.
    void endLevel(int codePage);
    void endList();

    void addOverride(int override, int listId) { overrides_[override] = listId; }

    // A number in one of the \levelnfc formats: decimal (0), Roman (1, 2), letters (3, 4),
    // decimal with a leading zero (22); bullets (23) and none (255) have no number.
    static std::string FormatNumber(int value, int numberFormat);

    // Whether \ls `override` names a list with a definition.
    bool knows(int override) const;

    // The number or bullet of the next item of `override` at `level`: counts on from the
    // previous item of the same list and restarts the levels below it.
    std::string nextLabel(int override, int level);

  private:
    struct List {
        int id = 0;
        std::vector<Level> levels;
    };
    struct Counters {
        std::array<int, kLevels> value{};
        std::array<bool, kLevels> started{};
    };

    List current_;
    Level level_;
    std::map<int, std::vector<Level>> lists_;
    std::map<int, int> overrides_;
    std::map<int, Counters> counters_;
};

}  // namespace velocarta::rtf
