#include "content/rtf/tokenizer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "content/rtf/field.h"
#include "content/rtf/keywords.h"

namespace velocarta::rtf {
namespace {

// Joins the pieces; GCC 12 at -O3 warns wrongly about "literal" + std::string.
std::string Cat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const std::string_view piece : pieces) {
        out += piece;
    }
    return out;
}

// Each token as a short string: "{", "}", "\name", "\name=5", "sym:~", "hex:e9", "text:abc".
std::vector<std::string> Tokens(std::string_view input) {
    Tokenizer tokenizer(input);
    std::vector<std::string> out;
    for (Token token = tokenizer.next(); token.type != TokenType::End; token = tokenizer.next()) {
        switch (token.type) {
            case TokenType::GroupStart:
                out.push_back("{");
                break;
            case TokenType::GroupEnd:
                out.push_back("}");
                break;
            case TokenType::ControlWord:
                out.push_back(Cat({"\\", token.text, token.hasParameter ? "=" : "",
                                   token.hasParameter ? std::to_string(token.parameter) : ""}));
                break;
            case TokenType::ControlSymbol:
                out.push_back(Cat({"sym:", token.text}));
                break;
            case TokenType::HexByte: {
                char hex[8];
                std::snprintf(hex, sizeof hex, "hex:%02x", token.byte);
                out.push_back(hex);
                break;
            }
            case TokenType::Text:
                out.push_back(Cat({"text:", token.text}));
                break;
            case TokenType::End:
                break;
        }
    }
    return out;
}

using Expected = std::vector<std::string>;

TEST(Tokenizer, SplitsTheSyntax) {
    const struct {
        std::string_view input;
        Expected tokens;
    } cases[] = {
        {"{\\rtf1 abc}", {"{", "\\rtf=1", "text:abc", "}"}},
        // The blank after a control word is its delimiter; a second blank is text.
        {"\\b  bold", {"\\b", "text: bold"}},
        {"\\li-360\\fi720x", {"\\li=-360", "\\fi=720", "text:x"}},
        // A minus without digits is no parameter.
        {"\\b-x", {"\\b", "text:-x"}},
        {"\\'e9\\'C9", {"hex:e9", "hex:c9"}},
        {"\\~\\-\\_\\{\\}\\\\", {"sym:~", "sym:-", "sym:_", "sym:{", "sym:}", "sym:\\"}},
        // Line ends are no text; a backslash before one is a control symbol.
        {"a\r\nb\\\nc", {"text:a", "text:b", "sym:\n", "text:c"}},
        // A broken \' escape is dropped; its one hex digit stays text.
        {"\\'zq", {"text:zq"}},
        {"\\'4", {"text:4"}},
        {"x\\", {"text:x"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Tokens(c.input), c.tokens) << c.input;
    }
}

TEST(Tokenizer, ClampsHugeNumbersAndKeepsLongNames) {
    const std::string digits(50, '9');
    EXPECT_EQ(Tokens(Cat({"\\fs", digits, " a"})),
              (Expected{Cat({"\\fs=", std::to_string(INT_MAX)}), "text:a"}));
    EXPECT_EQ(Tokens(Cat({"\\u-", digits})), (Expected{Cat({"\\u=", std::to_string(-INT_MAX)})}));
    const std::string name(300, 'k');
    EXPECT_EQ(Tokens(Cat({"\\", name, "12 x"})), (Expected{Cat({"\\", name, "=12"}), "text:x"}));
}

TEST(Tokenizer, TakesBinaryDataRawAndNoFurtherThanTheEnd) {
    Tokenizer tokenizer("\\bin4 {}\\xrest");
    const Token bin = tokenizer.next();
    EXPECT_EQ(bin.text, "bin");
    EXPECT_EQ(tokenizer.takeBinary(4), "{}\\x");
    EXPECT_EQ(tokenizer.next().text, "rest");
    EXPECT_EQ(tokenizer.takeBinary(1000), "");
    EXPECT_TRUE(tokenizer.atEnd());
}

TEST(Tokenizer, SkipsAGroupMindingEscapesAndBinaryData) {
    Tokenizer tokenizer("{\\*\\x a\\} {b} \\bin3 }}}c}tail");
    tokenizer.next();  // {
    tokenizer.next();  // \*
    EXPECT_TRUE(tokenizer.skipGroup());
    EXPECT_EQ(tokenizer.next().text, "tail");

    Tokenizer unclosed("{{{ never closed");
    unclosed.next();
    EXPECT_FALSE(unclosed.skipGroup());
    EXPECT_TRUE(unclosed.atEnd());
}

TEST(Keywords, TableFindsEachKindAndNothingElse) {
    const struct {
        std::string_view name;
        KeywordKind kind;
        Kw id;
    } cases[] = {
        {"b", KeywordKind::Toggle, Kw::Bold},
        {"par", KeywordKind::Flag, Kw::Par},
        {"fs", KeywordKind::Value, Kw::FontSize},
        {"pict", KeywordKind::Destination, Kw::Pict},
        {"emdash", KeywordKind::Symbol, Kw::Text},
        {"~", KeywordKind::Symbol, Kw::Text},
        {"uldb", KeywordKind::Toggle, Kw::UnderlineDouble},
        {"themedata", KeywordKind::Destination, Kw::Skip},
    };
    for (const auto& c : cases) {
        const Keyword* keyword = FindKeyword(c.name);
        ASSERT_NE(keyword, nullptr) << c.name;
        EXPECT_EQ(keyword->kind, c.kind) << c.name;
        EXPECT_EQ(keyword->id, c.id) << c.name;
    }
    EXPECT_EQ(FindKeyword("emdash")->text, "\u2014");
    EXPECT_EQ(FindKeyword("fs")->defaultValue, 24);
    for (std::string_view unknown : {"", "bb", "PAR", "zzz", "a"}) {
        EXPECT_EQ(FindKeyword(unknown), nullptr) << unknown;
    }
}

TEST(HyperlinkTarget, ReadsAddressesAndAnchors) {
    const struct {
        std::string_view instruction;
        std::string target;
    } cases[] = {
        {"HYPERLINK \"http://vantrel.example.org/\" ", "http://vantrel.example.org/"},
        {" hyperlink http://a.example/b ", "http://a.example/b"},
        {"HYPERLINK \"http://a.example/x y\" \\o \"tool tip\"", "http://a.example/x y"},
        {"HYPERLINK \\l \"engines\"", "#engines"},
        {"HYPERLINK \"file.htm\" \\l \"part2\"", "file.htm#part2"},
        {"HYPERLINK \"http://unclosed", "http://unclosed"},
        {"PAGE \\* MERGEFORMAT", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HyperlinkTarget(c.instruction), c.target) << c.instruction;
    }
}

}  // namespace
}  // namespace velocarta::rtf
