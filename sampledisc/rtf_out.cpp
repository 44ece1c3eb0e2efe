#include "sampledisc/rtf_out.h"

namespace velocarta::sampledisc {

namespace {

std::string FontAndSize(int font, int halfPoints) {
    return "\\f" + std::to_string(font) + "\\fs" + std::to_string(halfPoints);
}

}  // namespace

std::string Hex2(unsigned value) {
    return {kHexDigits[(value >> 4) & 0xFU], kHexDigits[value & 0xFU]};
}

std::string ColorEntry(const Rgb& c) {
    return "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
           std::to_string(c.blue) + ";";
}

DialectForms FormsOf(RtfDialect dialect, bool compact) {
    switch (dialect) {
        case RtfDialect::WordPad:
            return {FontAndSize(0, compact ? 18 : 20), FontAndSize(0, 24),
                    FontAndSize(1, compact ? 22 : 36), "\\f2", FontAndSize(0, 20)};
        case RtfDialect::Word:
            return {FontAndSize(0, compact ? 18 : 24), FontAndSize(1, 28),
                    FontAndSize(1, compact ? 22 : 36), "\\f2", FontAndSize(1, 20)};
        case RtfDialect::Word6:
            break;
    }
    return {FontAndSize(6, compact ? 18 : 22), FontAndSize(5, 26),
            FontAndSize(5, compact ? 22 : 32), "\\f0", FontAndSize(6, 20)};
}

void WriteRtfHeader(RtfOut& out, const RtfLook& look, std::u32string_view title) {
    switch (look.dialect) {
        case RtfDialect::WordPad:
            out.raw("{");
            out.control("\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033");
            out.raw(
                "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times "
                "New Roman;}{\\f2\\fnil\\fcharset2 Symbol;}}");
            out.newline();
            out.raw("{\\colortbl ;" + ColorEntry(look.titleColor) + ColorEntry(look.headingColor) +
                    "}");
            out.newline();
            out.control("\\viewkind4\\uc1");
            break;
        case RtfDialect::Word:
            out.raw("{");
            out.control("\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033");
            out.raw(
                "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose "
                "02020603050405020304}Times New Roman;}{\\f1\\fswiss\\fcharset0\\fprq2{\\*"
                "\\panose 020b0604020202020204}Arial;}");
            out.newline();
            out.raw(
                "{\\f2\\froman\\fcharset2\\fprq2{\\*\\panose 05050102010706020507}Symbol;}"
                "{\\f3\\fmodern\\fcharset0\\fprq1 Courier New;}}");
            out.newline();
            out.raw("{\\colortbl;\\red0\\green0\\blue0;" + ColorEntry(look.titleColor) +
                    ColorEntry(look.headingColor) + "\\red217\\green217\\blue217;}");
            out.newline();
            out.raw(
                "{\\stylesheet{\\ql \\li0\\ri0\\sa120\\widctlpar\\aspalpha\\aspnum\\faauto"
                "\\adjustright\\rin0\\lin0\\itap0 \\f0\\fs24\\lang1033\\langfe1033 \\snext0 "
                "Normal;}");
            out.newline();
            out.raw(
                "{\\s1\\qc \\li0\\ri0\\sb240\\sa240\\keepn\\widctlpar\\rin0\\lin0\\itap0 "
                "\\b\\f1\\fs36\\cf2 \\sbasedon0 \\snext0 Title;}{\\s2\\ql \\li0\\ri0\\sb240"
                "\\sa60\\keepn\\widctlpar\\rin0\\lin0\\itap0 \\b\\f1\\fs28\\cf3 \\sbasedon0 "
                "\\snext0 heading 2;}");
            out.newline();
            out.raw(
                "{\\s3\\ql \\fi-360\\li720\\ri0\\sa60\\widctlpar\\rin0\\lin720\\itap0 "
                "\\f0\\fs24 \\sbasedon0 \\snext3 List Paragraph;}{\\*\\cs10 \\additive "
                "\\ssemihidden Default Paragraph Font;}}");
            out.newline();
            out.raw(
                "{\\*\\listtable{\\list\\listtemplateid1\\listsimple{\\listlevel\\levelnfc23"
                "\\levelnfcn23\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0"
                "\\levelindent0{\\leveltext\\'01\\u-3913 ?;}{\\levelnumbers;}\\f2\\fi-360"
                "\\li720\\jclisttab\\tx720\\lin720 }{\\listname ;}\\listid1}");
            out.newline();
            out.raw(
                "{\\list\\listtemplateid2\\listsimple{\\listlevel\\levelnfc0\\levelnfcn0"
                "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0"
                "\\levelindent0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}\\fi-360"
                "\\li720\\jclisttab\\tx720\\lin720 }{\\listname ;}\\listid2}}");
            out.newline();
            out.raw(
                "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}"
                "{\\listoverride\\listid2\\listoverridecount0\\ls2}}");
            out.newline();
            out.raw("{\\info{\\title ");
            out.text(title);
            out.raw("}{\\author The Vantrel Velocarta}{\\company Halder Motor Company}}");
            out.newline();
            out.control(
                "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440"
                "\\widowctrl\\ftnbj\\aenddoc\\formshade\\viewkind1\\viewscale100");
            out.newline();
            break;
        case RtfDialect::Word6:
            out.raw("{");
            out.control("\\rtf1\\ansi\\ansicpg1252\\deff6\\deflang1033");
            out.raw(
                "{\\fonttbl{\\f0\\froman\\fcharset2\\fprq2 Symbol;}{\\f5\\fswiss\\fcharset0"
                "\\fprq2 Arial;}{\\f6\\froman\\fcharset0\\fprq2 Times New Roman;}}");
            out.newline();
            out.raw("{\\colortbl;\\red0\\green0\\blue0;" + ColorEntry(look.titleColor) +
                    ColorEntry(look.headingColor) + "}");
            out.newline();
            out.raw(
                "{\\stylesheet{\\widctlpar \\f6\\fs22 \\snext0 Normal;}{\\*\\cs10 \\additive "
                "Default Paragraph Font;}}");
            out.newline();
            out.control(
                "\\margl1800\\margr1800\\margt1440\\margb1440 \\widowctrl\\ftnbj\\aenddoc"
                "\\formshade \\fet0\\sectd \\linex0\\endnhere");
            out.newline();
            break;
    }
}

}  // namespace velocarta::sampledisc
