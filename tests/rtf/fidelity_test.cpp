// The corpus: documents written by LibreOffice, AbiWord and pandoc from our own sources, and
// WordPad-style files by hand. Each must read as the text LibreOffice reads from it (see
// data/README.md for the few places where the document, not LibreOffice, is followed).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

#include "content/rtf/plain_text.h"
#include "content/rtf/reader.h"
#include "test_helpers.h"

namespace velocarta::rtf {
namespace {

// LibreOffice's text export indents list items and writes a blank after their bullet where
// the plain text has a tab: lines are compared with their blanks collapsed and trimmed.
std::vector<std::string> NormalizedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::string collapsed;
        for (const char c : line) {
            const bool blank = c == ' ' || c == '\t';
            if (!blank) {
                collapsed += c;
            } else if (!collapsed.empty() && collapsed.back() != ' ') {
                collapsed += ' ';
            }
        }
        if (!collapsed.empty() && collapsed.back() == ' ') {
            collapsed.pop_back();
        }
        lines.push_back(collapsed);
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

class Fidelity : public ::testing::TestWithParam<std::string> {};

TEST_P(Fidelity, ReadsAsLibreOfficeDoes) {
    const std::string base = std::string(VELOCARTA_RTF_CORPUS) + "/" + GetParam();
    const std::string rtf = testing::ReadFile(base + ".rtf");
    const std::string expected = testing::ReadFile(base + ".txt");
    const Document document = Read(rtf);
    EXPECT_EQ(NormalizedLines(PlainText(document, TableText::ParagraphPerLine)),
              NormalizedLines(expected));
}

std::vector<std::string> CorpusDocuments() {
    std::vector<std::string> names;
    for (const std::string& file : testing::CorpusFiles(".rtf")) {
        names.push_back(file.substr(0, file.size() - 4));
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(Corpus, Fidelity, ::testing::ValuesIn(CorpusDocuments()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(FidelityCorpus, CoversEveryWriter) {
    const auto names = CorpusDocuments();
    for (std::string_view writer : {".libreoffice", ".abiword", ".pandoc", "wordpad"}) {
        EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](const std::string& name) {
            return name.find(writer) != std::string::npos;
        })) << writer;
    }
}

}  // namespace
}  // namespace velocarta::rtf
