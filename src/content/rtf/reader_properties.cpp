// Character, paragraph, section and table properties.

#include <algorithm>

#include "content/rtf/code_page.h"
#include "content/rtf/reader_internal.h"

namespace velocarta::rtf::internal {

namespace {

// Lengths beyond this many twips (about 17 metres) are written by no one; clamping them
// keeps the arithmetic on edges and indents far from overflow.
constexpr int kMaxTwips = 1'000'000;

int Twips(int value) {
    return std::clamp(value, -kMaxTwips, kMaxTwips);
}

}  // namespace

void Reader::applyFlag(Kw id) {
    State& s = state();
    ParagraphFormat& para = s.paragraph;
    switch (id) {
        case Kw::Ansi:
            ansiCodePage_ = 1252;
            break;
        case Kw::Mac:
            ansiCodePage_ = 10000;
            break;
        case Kw::Pc:
            ansiCodePage_ = 437;
            break;
        case Kw::Pca:
            ansiCodePage_ = 850;
            break;
        case Kw::Plain: {
            const int font = document_.defaultFont;
            s.chars = CharFormat{};
            s.chars.font = font;
            s.fontCodePage = font >= 0 ? fontEntries_[static_cast<std::size_t>(font)].codePage : 0;
            formatChanged_ = true;
            break;
        }
        case Kw::UnderlineNone:
            s.chars.underline = Underline::None;
            formatChanged_ = true;
            break;
        case Kw::Superscript:
        case Kw::Subscript:
        case Kw::NoSuperSub:
            s.chars.vertical = id == Kw::Superscript ? VerticalAlign::Superscript
                               : id == Kw::Subscript ? VerticalAlign::Subscript
                                                     : VerticalAlign::Baseline;
            formatChanged_ = true;
            break;
        case Kw::Pard:
            para = ParagraphFormat{};
            s.numbering = -1;
            s.inTable = false;
            s.tableLevel = 0;
            break;
        case Kw::Par:
            if (s.destination == Destination::Body) {
                endParagraph();
            }
            break;
        case Kw::AlignLeft:
            para.alignment = Alignment::Left;
            break;
        case Kw::AlignCenter:
            para.alignment = Alignment::Center;
            break;
        case Kw::AlignRight:
            para.alignment = Alignment::Right;
            break;
        case Kw::AlignJustify:
            para.alignment = Alignment::Justify;
            break;
        case Kw::Page:
            if (s.destination == Destination::Body && paragraphLevel() == 0) {
                if (paragraphHasContent()) {
                    endParagraph();
                }
                pageBreakPending_ = true;
            }
            break;
        case Kw::Sect:
            if (s.destination == Destination::Body) {
                if (paragraphHasContent()) {
                    endParagraph();
                }
                pageBreakPending_ = pageBreakPending_ || sectionBreaksPage_;
            }
            break;
        case Kw::Sectd:
        case Kw::BreakPage:
            sectionBreaksPage_ = true;
            break;
        case Kw::BreakNone:
            sectionBreaksPage_ = false;
            break;
        case Kw::TabCenter:
        case Kw::TabRight:
        case Kw::TabDecimal:
            pendingTabKind_ = id == Kw::TabCenter  ? TabKind::Center
                              : id == Kw::TabRight ? TabKind::Right
                                                   : TabKind::Decimal;
            break;
        case Kw::RowDefaults: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            tableAt(level).definition.reset();
            break;
        }
        case Kw::Cell:
            endCell(1);
            break;
        case Kw::Row:
            endRow(1);
            break;
        case Kw::NestedCell:
            endCell(std::max(2, paragraphLevel()));
            break;
        case Kw::NestedRow:
            endRow(std::max(2, paragraphLevel()));
            break;
        case Kw::MergeFirst:
        case Kw::Merged:
        case Kw::VerticalMergeFirst:
        case Kw::VerticalMerged: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            CellDefinition& cell = tableAt(level).definition.next;
            cell.mergeFirst = cell.mergeFirst || id == Kw::MergeFirst;
            cell.merged = cell.merged || id == Kw::Merged;
            cell.verticalMergeFirst = cell.verticalMergeFirst || id == Kw::VerticalMergeFirst;
            cell.verticalMerged = cell.verticalMerged || id == Kw::VerticalMerged;
            break;
        }
        case Kw::PngBlip:
        case Kw::JpegBlip:
        case Kw::Metafile:
        case Kw::BitmapBlip:
            if (picture_) {
                picture_->picture.format = id == Kw::PngBlip    ? PictureFormat::Png
                                           : id == Kw::JpegBlip ? PictureFormat::Jpeg
                                           : id == Kw::Metafile ? PictureFormat::Metafile
                                                                : PictureFormat::Bitmap;
            }
            break;
        default:
            break;
    }
}

void Reader::applyValue(Kw id, int value) {
    State& s = state();
    CharFormat& chars = s.chars;
    ParagraphFormat& para = s.paragraph;
    switch (id) {
        case Kw::AnsiCodePage:
            if (IsKnownCodePage(value)) {
                ansiCodePage_ = value;
            } else {
                warn("code page " + std::to_string(value) + " is read as 1252");
            }
            break;
        case Kw::DefaultFont:
            defaultFontNumber_ = value;
            break;
        case Kw::UnicodeSkip:
            s.unicodeSkip = std::clamp(value, 0, 16);
            break;
        case Kw::Unicode: {
            unicodeSkipPending_ = s.unicodeSkip;
            if (value < -32768 || value > 65535) {
                return;  // no UTF-16 unit: nothing to show, but the fallback still goes
            }
            const auto unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                highSurrogate_ = unit;
                return;
            }
            if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
                const char32_t c = 0x10000 + ((char32_t{highSurrogate_} - 0xD800) << 10) +
                                   (char32_t{unit} - 0xDC00);
                highSurrogate_ = 0;
                character(c);
                return;
            }
            highSurrogate_ = 0;
            character(MapSymbolPrivateUse(codePage(), unit));
            return;
        }
        case Kw::FontNumber:
            selectFont(value);
            break;
        case Kw::Red:
        case Kw::Green:
        case Kw::Blue:
            (id == Kw::Red ? red_ : id == Kw::Green ? green_ : blue_) = std::clamp(value, 0, 255);
            colorGiven_ = true;
            break;
        case Kw::Bold:
            chars.bold = value != 0;
            break;
        case Kw::Italic:
            chars.italic = value != 0;
            break;
        case Kw::Strike:
            chars.strike = value != 0;
            break;
        case Kw::Underline:
        case Kw::UnderlineDouble:
        case Kw::UnderlineDotted:
        case Kw::UnderlineDashed:
        case Kw::UnderlineWave:
        case Kw::UnderlineThick:
        case Kw::UnderlineWords:
            if (value == 0) {
                chars.underline = Underline::None;
            } else {
                chars.underline = id == Kw::UnderlineDouble   ? Underline::Double
                                  : id == Kw::UnderlineDotted ? Underline::Dotted
                                  : id == Kw::UnderlineDashed ? Underline::Dashed
                                  : id == Kw::UnderlineWave   ? Underline::Wave
                                  : id == Kw::UnderlineThick  ? Underline::Thick
                                  : id == Kw::UnderlineWords  ? Underline::Words
                                                              : Underline::Single;
            }
            break;
        case Kw::FontSize:
            chars.halfPoints = value > 0 ? std::min(value, 3276) : 24;
            break;
        case Kw::Foreground:
            chars.foreground = color(value);
            break;
        case Kw::Background:
        case Kw::Highlight:
            chars.background = color(value);
            break;
        case Kw::Raise:
        case Kw::Lower:
            // Raised or lowered text is what writers make of super- and subscripts.
            chars.vertical = value == 0                         ? VerticalAlign::Baseline
                             : (id == Kw::Raise) == (value > 0) ? VerticalAlign::Superscript
                                                                : VerticalAlign::Subscript;
            break;
        case Kw::Caps:
            chars.caps = value != 0;
            break;
        case Kw::SmallCaps:
            chars.smallCaps = value != 0;
            break;
        case Kw::Hidden:
            chars.hidden = value != 0;
            break;
        case Kw::LeftIndent:
            para.leftIndent = Twips(value);
            break;
        case Kw::RightIndent:
            para.rightIndent = Twips(value);
            break;
        case Kw::FirstIndent:
            para.firstLineIndent = Twips(value);
            break;
        case Kw::SpaceBefore:
            para.spaceBefore = Twips(value);
            break;
        case Kw::SpaceAfter:
            para.spaceAfter = Twips(value);
            break;
        case Kw::LineSpacing:
            para.lineSpacing = Twips(value);
            break;
        case Kw::LineMultiple:
            para.lineSpacingMultiple = value != 0;
            break;
        case Kw::PageBreakBefore:
            para.pageBreakBefore = value != 0;
            break;
        case Kw::InTable:
            s.inTable = value != 0;
            break;
        case Kw::TableLevel:
            s.tableLevel = std::clamp(value, 0, kMaxTableLevel);
            break;
        case Kw::ListOverride:
            para.listId = value;
            break;
        case Kw::ListLevel:
            para.listLevel = std::clamp(value, 0, 8);
            break;
        case Kw::TabStop:
        case Kw::TabBar:
            if (para.tabs.size() < 64) {
                para.tabs.push_back(
                    {Twips(value), id == Kw::TabBar ? TabKind::Left : pendingTabKind_});
            }
            pendingTabKind_ = TabKind::Left;
            break;
        case Kw::CellEdge: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            RowDefinition& definition = tableAt(level).definition;
            definition.next.rightEdge = Twips(value);
            if (definition.cells.size() < 4096) {
                definition.cells.push_back(definition.next);
            }
            definition.next = CellDefinition{};
            break;
        }
        case Kw::RowLeft: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            tableAt(level).definition.leftEdge = Twips(value);
            break;
        }
        case Kw::CellShading: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            tableAt(level).definition.next.background = color(value);
            break;
        }
        case Kw::PicWidth:
        case Kw::PicHeight:
        case Kw::PicGoalWidth:
        case Kw::PicGoalHeight:
        case Kw::PicScaleX:
        case Kw::PicScaleY:
            if (picture_) {
                const int clamped = std::clamp(value, 0, 1'000'000);
                (id == Kw::PicWidth        ? picture_->width
                 : id == Kw::PicHeight     ? picture_->height
                 : id == Kw::PicGoalWidth  ? picture_->goalWidth
                 : id == Kw::PicGoalHeight ? picture_->goalHeight
                 : id == Kw::PicScaleX     ? picture_->scaleX
                                           : picture_->scaleY) = clamped;
            }
            break;
        default:
            break;
    }
    formatChanged_ = true;
}

void Reader::selectFont(int number) {
    State& s = state();
    const auto found = fontIndex_.find(number);
    if (found == fontIndex_.end()) {
        s.chars.font = -1;
        s.fontCodePage = 0;
        return;
    }
    s.chars.font = found->second;
    s.fontCodePage = fontEntries_[static_cast<std::size_t>(found->second)].codePage;
}

std::optional<Rgb> Reader::color(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colors_.size()) {
        return std::nullopt;
    }
    return colors_[static_cast<std::size_t>(index)];
}

}  // namespace velocarta::rtf::internal
