// Destinations: the font and colour tables, document information, fields and pictures.

#include <algorithm>
#include <utility>

#include "content/rtf/code_page.h"
#include "content/rtf/field.h"
#include "content/rtf/reader_internal.h"
#include "content/rtf/tokenizer.h"
#include "content/text.h"

namespace velocarta::rtf::internal {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

void Reader::applyDestination(Kw id) {
    State& s = state();
    const Destination outer = s.destination;
    if (outer == Destination::Picture || overflowDepth_ > 0) {
        // Nothing inside a picture is shown; pass over it whole.
        // Past the depth limit a destination could not end with its group, so it goes too.
        tokens_.skipGroup();
        closeGroup();
        return;
    }
    if (applyListDestination(id)) {
        return;
    }
    if (id == Kw::NumberingDefinition && outer == Destination::Body && numberingDepth_ == 0) {
        numbering_ = Numbering{};
        numberingDepth_ = stack_.size();
        s.destination = Destination::Numbering;
        return;
    }
    if ((id == Kw::NumberingBefore || id == Kw::NumberingAfter) &&
        outer == Destination::Numbering) {
        numberingText_ = id == Kw::NumberingBefore ? &numbering_.before : &numbering_.after;
        numberingText_->clear();
        s.destination = Destination::NumberingText;
        return;
    }
    if (outer == Destination::Numbering || outer == Destination::NumberingText ||
        id == Kw::NumberingDefinition || id == Kw::NumberingBefore || id == Kw::NumberingAfter) {
        tokens_.skipGroup();  // numbering elsewhere than in the body shows nothing
        closeGroup();
        return;
    }
    switch (id) {
        case Kw::FontTable:
            s.destination = Destination::FontTable;
            break;
        case Kw::ColorTable:
            s.destination = Destination::ColorTable;
            colorGiven_ = false;
            red_ = green_ = blue_ = 0;
            break;
        case Kw::Info:
            s.destination = Destination::Info;
            break;
        case Kw::Title:
        case Kw::Author:
        case Kw::Subject:
            if (outer == Destination::Info) {
                infoTarget_ = id == Kw::Title    ? &document_.info.title
                              : id == Kw::Author ? &document_.info.author
                                                 : &document_.info.subject;
                infoTarget_->clear();
                s.destination = Destination::InfoField;
            }
            break;
        case Kw::Pict:
            if (picture_) {
                tokens_.skipGroup();
                closeGroup();
                return;
            }
            picture_.emplace();
            picture_->depth = stack_.size();
            picture_->outer = outer;
            s.destination = Destination::Picture;
            break;
        case Kw::Field:
            fields_.push_back({stack_.size(), outer, {}});
            s.destination = Destination::Field;
            s.link.clear();
            break;
        case Kw::FieldInstruction:
            if (!fields_.empty() && outer == Destination::Field) {
                s.destination = Destination::FieldInstruction;
            } else {
                tokens_.skipGroup();
                closeGroup();
            }
            break;
        case Kw::FieldResult:
            if (!fields_.empty() && outer == Destination::Field) {
                s.destination = fields_.back().outer;
                s.link = HyperlinkTarget(fields_.back().instruction);
                formatChanged_ = true;
            }
            break;
        case Kw::ListText:
            if (outer == Destination::Body) {
                paragraph_.listText.clear();
                s.destination = Destination::ListText;
            } else {
                tokens_.skipGroup();
                closeGroup();
            }
            break;
        case Kw::NestTableProps:
            s.nestedTableProperties = true;
            break;
        case Kw::UnicodePair:
            s.outerDestination = outer;
            s.destination = Destination::UnicodeAnsi;
            break;
        case Kw::UnicodeAlternative:
            if (outer == Destination::UnicodeAnsi) {
                s.destination = s.outerDestination;
            }
            break;
        case Kw::Transparent:
            break;
        case Kw::Footnote:
            // The note's number stays in the text as its mark; the note itself has no
            // place in a rich-text box.
            if (outer == Destination::Body) {
                const VerticalAlign vertical = s.chars.vertical;
                s.chars.vertical = VerticalAlign::Superscript;
                formatChanged_ = true;
                appendUtf8(std::to_string(++footnotes_));
                s.chars.vertical = vertical;
            }
            tokens_.skipGroup();
            closeGroup();
            break;
        case Kw::StyleSheet:
        case Kw::NoNestTables:
        case Kw::Skip:
        default:
            tokens_.skipGroup();
            closeGroup();
            break;
    }
}

void Reader::applyFontTableWord(Kw id, int value) {
    if (id == Kw::FontNumber) {
        currentFontEntry_ = static_cast<int>(document_.fonts.size());
        document_.fonts.emplace_back();
        fontEntries_.push_back({value, 0, false});
        fontIndex_[value] = currentFontEntry_;
        return;
    }
    if (currentFontEntry_ < 0) {
        return;
    }
    FontEntry& entry = fontEntries_[static_cast<std::size_t>(currentFontEntry_)];
    Font& font = document_.fonts[static_cast<std::size_t>(currentFontEntry_)];
    switch (id) {
        case Kw::FamilyRoman:
            font.family = FontFamily::Roman;
            break;
        case Kw::FamilySwiss:
            font.family = FontFamily::Swiss;
            break;
        case Kw::FamilyModern:
            font.family = FontFamily::Modern;
            break;
        case Kw::FamilyScript:
            font.family = FontFamily::Script;
            break;
        case Kw::FamilyDecorative:
            font.family = FontFamily::Decorative;
            break;
        case Kw::FamilyTech:
            font.family = FontFamily::Tech;
            break;
        case Kw::Charset:
            entry.codePage = value == 1 ? 0 : CodePageOfCharset(value, 0);
            break;
        case Kw::FontCodePage:
            if (IsKnownCodePage(value)) {
                entry.codePage = value;
            }
            break;
        default:
            break;
    }
}

void Reader::finishFontTable() {
    // Only the fonts of this table: a document of many font tables stays linear.
    for (std::size_t i = fontsFinished_; i < document_.fonts.size(); ++i) {
        Font& font = document_.fonts[i];
        font.name = Trimmed(font.name);
        // Dingbat fonts share the symbol charset but not the Symbol font's glyphs.
        if (fontEntries_[i].codePage == kSymbolCodePage &&
            (font.name.find("Wingdings") != std::string::npos ||
             font.name.find("Webdings") != std::string::npos)) {
            fontEntries_[i].codePage = kWingdingsCodePage;
        }
    }
    fontsFinished_ = document_.fonts.size();
    const auto found = fontIndex_.find(defaultFontNumber_);
    document_.defaultFont = found != fontIndex_.end() ? found->second : -1;
    currentFontEntry_ = -1;
    // Text that names no font is in the default font, code page included.
    for (State& open : stack_) {
        if (open.chars.font < 0) {
            open.chars.font = document_.defaultFont;
            open.fontCodePage =
                document_.defaultFont >= 0
                    ? fontEntries_[static_cast<std::size_t>(document_.defaultFont)].codePage
                    : 0;
        }
    }
}

void Reader::pictureData(std::string_view hex) {
    std::string& data = picture_->picture.data;
    for (const char c : hex) {
        const int value = HexValue(c);
        if (value < 0) {
            continue;
        }
        if (picture_->pendingNibble < 0) {
            picture_->pendingNibble = value;
        } else {
            data += static_cast<char>(picture_->pendingNibble * 16 + value);
            picture_->pendingNibble = -1;
        }
    }
}

void Reader::binary(int length) {
    const std::string_view data = tokens_.takeBinary(static_cast<std::size_t>(length));
    if (data.size() < static_cast<std::size_t>(length)) {
        warn("\\bin data runs past the end of the document");
    }
    picture_->picture.data += data;
}

void Reader::finishPicture() {
    PictureFrame frame = std::move(*picture_);
    picture_.reset();
    Picture& picture = frame.picture;
    // Goal sizes are twips; without them a bitmap's size is pixels and a metafile's is
    // hundredths of a millimetre.
    const bool metafile = picture.format == PictureFormat::Metafile;
    auto naturalSize = [metafile](int size) {
        return metafile ? static_cast<int>(static_cast<long long>(size) * 1440 / 2540) : size * 15;
    };
    const long long width = frame.goalWidth > 0 ? frame.goalWidth : naturalSize(frame.width);
    const long long height = frame.goalHeight > 0 ? frame.goalHeight : naturalSize(frame.height);
    picture.widthTwips = static_cast<int>(std::min(width * frame.scaleX / 100, 1'000'000LL));
    picture.heightTwips = static_cast<int>(std::min(height * frame.scaleY / 100, 1'000'000LL));
    if (picture.format != PictureFormat::Png && picture.format != PictureFormat::Jpeg) {
        picture.data.clear();
    }
    if (frame.outer == Destination::Body && state().destination == Destination::Body) {
        insertPicture(std::move(picture));
    }
}

}  // namespace velocarta::rtf::internal
