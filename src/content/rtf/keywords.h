#pragma once

#include <cstdint>
#include <string_view>

namespace velocarta::rtf {

// How a control word acts:
// Flag         sets a property or does something; its parameter is ignored;
// Toggle       switches a character property on, or off with parameter 0;
// Value        sets a property to its parameter (or the entry's default when it has none);
// Destination  starts a group whose text goes somewhere else, or nowhere;
// Symbol       stands for the entry's text.
enum class KeywordKind : std::uint8_t { Flag, Toggle, Value, Destination, Symbol };

enum class Kw : std::uint16_t {
    // document
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Binary,
    // font and colour tables
    FontNumber,
    FamilyNil,
    FamilyRoman,
    FamilySwiss,
    FamilyModern,
    FamilyScript,
    FamilyDecorative,
    FamilyTech,
    Charset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Bold,
    Italic,
    Strike,
    Underline,
    UnderlineDouble,
    UnderlineDotted,
    UnderlineDashed,
    UnderlineWave,
    UnderlineThick,
    UnderlineWords,
    UnderlineNone,
    FontSize,
    Foreground,
    Background,
    Highlight,
    Superscript,
    Subscript,
    NoSuperSub,
    Raise,
    Lower,
    Caps,
    SmallCaps,
    Hidden,
    // paragraphs and sections
    Pard,
    Par,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    Page,
    PageBreakBefore,
    Sect,
    Sectd,
    BreakNone,
    BreakPage,
    InTable,
    TableLevel,
    ListOverride,
    ListLevel,
    TabStop,
    TabCenter,
    TabRight,
    TabDecimal,
    TabBar,
    // tables
    RowDefaults,
    CellEdge,
    Cell,
    Row,
    NestedCell,
    NestedRow,
    RowLeft,
    MergeFirst,
    Merged,
    VerticalMergeFirst,
    VerticalMerged,
    CellShading,
    // pictures
    PngBlip,
    JpegBlip,
    Metafile,
    BitmapBlip,
    PicWidth,
    PicHeight,
    PicGoalWidth,
    PicGoalHeight,
    PicScaleX,
    PicScaleY,
    CropLeft,
    CropRight,
    CropTop,
    CropBottom,
    // destinations
    FontTable,
    ColorTable,
    StyleSheet,
    Info,
    Title,
    Author,
    Subject,
    Pict,
    Field,
    FieldInstruction,
    FieldResult,
    ListText,
    Skip,
    Transparent,
    NestTableProps,
    NoNestTables,
    UnicodePair,
    UnicodeAlternative,
    Footnote,
    // list numbering
    ListTableDestination,
    ListDefinition,
    ListLevelDefinition,
    LevelText,
    ListOverrideTable,
    ListOverrideEntry,
    ListIdentifier,
    LevelNumberFormat,
    LevelStartAt,
    // Word 6 paragraph numbering (\pn)
    NumberingDefinition,
    NumberingBullet,
    NumberingBody,
    NumberingLevel,
    NumberingContinue,
    NumberingFormat,
    NumberingStart,
    NumberingFont,
    NumberingBefore,
    NumberingAfter,
    // symbols
    Text,
    LineBreak,
    IgnoredSymbol,
};

struct Keyword {
    std::string_view name;
    KeywordKind kind;
    Kw id;
    int defaultValue = 0;
    std::string_view text = {};  // of symbols, UTF-8
};

// The entry of a control word ("par") or control symbol ("~"), or null when the reader
// does not know it.
const Keyword* FindKeyword(std::string_view name);

}  // namespace velocarta::rtf
