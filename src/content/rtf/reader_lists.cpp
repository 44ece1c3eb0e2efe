// The list tables: \listtable and \listoverridetable, and Word 6 \pn numbering.

#include <algorithm>
#include <utility>

#include "content/rtf/code_page.h"
#include "content/rtf/field.h"
#include "content/rtf/reader_internal.h"
#include "content/rtf/tokenizer.h"

namespace velocarta::rtf::internal {

bool Reader::applyListDestination(Kw id) {
    State& s = state();
    const Destination outer = s.destination;
    switch (id) {
        case Kw::ListTableDestination:
        case Kw::ListOverrideTable:
            s.destination = Destination::ListTable;
            return true;
        case Kw::ListDefinition:
            if (outer == Destination::ListTable && listDepth_ == 0) {
                lists_.beginList();
                listDepth_ = stack_.size();
                return true;
            }
            break;
        case Kw::ListLevelDefinition:
            if (listDepth_ != 0 && levelDepth_ == 0) {
                lists_.beginLevel();
                levelDepth_ = stack_.size();
                levelFont_ = -1;
                return true;
            }
            break;
        case Kw::LevelText:
            if (levelDepth_ != 0) {
                s.destination = Destination::LevelText;
                return true;
            }
            break;
        case Kw::ListOverrideEntry:
            if (outer == Destination::ListTable && overrideDepth_ == 0) {
                overrideDepth_ = stack_.size();
                overrideList_ = overrideNumber_ = 0;
                return true;
            }
            break;
        default:
            if (!InListTable(outer)) {
                return false;
            }
            break;
    }
    // Anything else inside the list tables shows nothing.
    tokens_.skipGroup();
    closeGroup();
    return true;
}

void Reader::applyListTableWord(Kw id, int value) {
    switch (id) {
        case Kw::ListIdentifier:
            if (overrideDepth_ != 0) {
                overrideList_ = value;
            } else if (listDepth_ != 0 && levelDepth_ == 0) {
                lists_.setListId(value);
            }
            break;
        case Kw::ListOverride:
            if (overrideDepth_ != 0) {
                overrideNumber_ = value;
            }
            break;
        case Kw::LevelNumberFormat:
            if (levelDepth_ != 0) {
                lists_.level().numberFormat = value;
            }
            break;
        case Kw::LevelStartAt:
            if (levelDepth_ != 0) {
                lists_.level().startAt = std::clamp(value, 0, ListTable::kMaxNumber);
            }
            break;
        case Kw::FontNumber:
            if (levelDepth_ != 0) {
                levelFont_ = value;
            }
            break;
        case Kw::Unicode:
            applyValue(id, value);
            break;
        case Kw::UnicodeSkip:
            state().unicodeSkip = std::clamp(value, 0, 16);
            break;
        default:
            break;
    }
}

void Reader::applyNumberingWord(Kw id, int value) {
    switch (id) {
        case Kw::NumberingBullet:
            numbering_.kind = Numbering::Kind::Bullet;
            break;
        case Kw::NumberingBody:
        case Kw::NumberingLevel:
            numbering_.kind = Numbering::Kind::Number;
            break;
        case Kw::NumberingContinue:
            numbering_.kind = Numbering::Kind::Continue;
            break;
        case Kw::NumberingFormat:
            numbering_.format = value;
            break;
        case Kw::NumberingStart:
            numbering_.start = std::clamp(value, 0, ListTable::kMaxNumber);
            break;
        case Kw::NumberingFont:
            numbering_.font = value;
            break;
        case Kw::Unicode:
            applyValue(id, value);
            break;
        default:
            break;
    }
}

void Reader::finishNumbering() {
    const auto font = fontIndex_.find(numbering_.font);
    const int fontPage = font != fontIndex_.end()
                             ? fontEntries_[static_cast<std::size_t>(font->second)].codePage
                             : 0;
    const int page = fontPage != 0 ? fontPage : ansiCodePage_;
    auto decode = [page](const std::u32string& raw) {
        std::string text;
        for (const char32_t element : raw) {
            if (element < ListTable::kRawByte) {
                AppendUtf8(text, MapSymbolPrivateUse(page, element));
            } else if (const auto byte = static_cast<unsigned char>(element - ListTable::kRawByte);
                       byte >= 0x20) {
                AppendUtf8(text, DecodeByte(page, byte));
            }
        }
        return text;
    };
    numbering_.beforeText = decode(numbering_.before);
    numbering_.afterText = decode(numbering_.after);
    numbering_.before.clear();
    numbering_.after.clear();
    state().numbering = static_cast<int>(numberings_.size());
    numberings_.push_back(std::move(numbering_));
    numbering_ = Numbering{};
    numberingDepth_ = 0;
    numberingText_ = nullptr;
}

void Reader::closeListGroups() {
    if (numberingDepth_ != 0 && stack_.size() < numberingDepth_) {
        finishNumbering();
    }
    if (levelDepth_ != 0 && stack_.size() < levelDepth_) {
        const auto font = fontIndex_.find(levelFont_);
        const int fontPage = font != fontIndex_.end()
                                 ? fontEntries_[static_cast<std::size_t>(font->second)].codePage
                                 : 0;
        lists_.endLevel(fontPage != 0 ? fontPage : ansiCodePage_);
        levelDepth_ = 0;
    }
    if (listDepth_ != 0 && stack_.size() < listDepth_) {
        lists_.endList();
        listDepth_ = 0;
    }
    if (overrideDepth_ != 0 && stack_.size() < overrideDepth_) {
        lists_.addOverride(overrideNumber_, overrideList_);
        overrideDepth_ = 0;
    }
}

}  // namespace velocarta::rtf::internal
