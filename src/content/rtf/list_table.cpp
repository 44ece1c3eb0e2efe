#include "content/rtf/list_table.h"

#include <algorithm>

#include "content/rtf/code_page.h"

namespace velocarta::rtf {

namespace {

std::string Roman(int value, bool upper) {
    if (value <= 0 || value >= 4000) {
        return std::to_string(value);
    }
    static constexpr std::pair<int, const char*> kDigits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    std::string out;
    for (const auto& [amount, digits] : kDigits) {
        while (value >= amount) {
            out += digits;
            value -= amount;
        }
    }
    if (upper) {
        std::transform(out.begin(), out.end(), out.begin(),
                       [](char c) { return static_cast<char>(c - 'a' + 'A'); });
    }
    return out;
}

// a..z, then aa..zz, as word processors count with letters.
std::string Letters(int value, bool upper) {
    if (value <= 0) {
        return std::to_string(value);
    }
    const char letter = static_cast<char>((upper ? 'A' : 'a') + (value - 1) % 26);
    return std::string(static_cast<std::size_t>(std::min((value - 1) / 26 + 1, 10)), letter);
}

}  // namespace

std::string ListTable::FormatNumber(int value, int numberFormat) {
    switch (numberFormat) {
        case 1:
            return Roman(value, true);
        case 2:
            return Roman(value, false);
        case 3:
            return Letters(value, true);
        case 4:
            return Letters(value, false);
        case 22: {
            std::string text = value >= 0 && value < 10 ? "0" : "";
            text += std::to_string(value);
            return text;
        }
        case 23:
        case 255:
            return {};
        default:
            return std::to_string(value);
    }
}

void ListTable::endLevel(int codePage) {
    const std::u32string raw = std::move(level_.text);
    level_.text.clear();
    if (!raw.empty()) {
        const std::size_t length = raw.front() >= kRawByte ? raw.front() - kRawByte : raw.front();
        for (std::size_t i = 1; i < raw.size() && i <= length; ++i) {
            const char32_t element = raw[i];
            if (element < kRawByte) {
                level_.text += MapSymbolPrivateUse(codePage, element);
                continue;
            }
            const auto byte = static_cast<unsigned char>(element - kRawByte);
            if (byte < kLevels) {
                level_.text += kPlaceholder + byte;
            } else if (byte >= 0x20) {
                level_.text += DecodeByte(codePage, byte);
            }
        }
    }
    if (current_.levels.size() < static_cast<std::size_t>(kLevels)) {
        current_.levels.push_back(std::move(level_));
    }
    level_ = Level{};
}

void ListTable::endList() {
    lists_[current_.id] = std::move(current_.levels);
    current_ = List{};
}

bool ListTable::knows(int override) const {
    const auto found = overrides_.find(override);
    return found != overrides_.end() && lists_.contains(found->second) &&
           !lists_.at(found->second).empty();
}

std::string ListTable::nextLabel(int override, int level) {
    if (!knows(override)) {
        return {};
    }
    const std::vector<Level>& levels = lists_.at(overrides_.at(override));
    level = std::clamp(level, 0, static_cast<int>(levels.size()) - 1);
    Counters& counters = counters_[override];
    const auto index = static_cast<std::size_t>(level);
    counters.value[index] = counters.started[index]
                                ? std::min(counters.value[index] + 1, kMaxNumber)
                                : levels[index].startAt;
    counters.started[index] = true;
    for (std::size_t deeper = index + 1; deeper < counters.started.size(); ++deeper) {
        counters.started[deeper] = false;
    }
    std::string label;
    for (const char32_t element : levels[index].text) {
        if (element >= kPlaceholder) {
            const auto referenced = static_cast<std::size_t>(element - kPlaceholder);
            if (referenced < levels.size()) {
                const int value = counters.started[referenced] ? counters.value[referenced]
                                                               : levels[referenced].startAt;
                label += FormatNumber(value, levels[referenced].numberFormat);
            }
        } else {
            AppendUtf8(label, element);
        }
    }
    return label;
}

}  // namespace velocarta::rtf
