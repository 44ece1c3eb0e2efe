#include "test_helpers.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velocarta::rtf::testing {

std::vector<const Paragraph*> Paragraphs(const Document& document) {
    std::vector<const Paragraph*> paragraphs;
    for (const Block& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block.content)) {
            paragraphs.push_back(paragraph);
        }
    }
    return paragraphs;
}

std::string TextOf(const Paragraph& paragraph) {
    std::string text;
    for (const Inline& item : paragraph.content) {
        if (const auto* run = std::get_if<Run>(&item)) {
            text += run->text;
        }
    }
    return text;
}

std::vector<const Run*> Runs(const Document& document) {
    std::vector<const Run*> runs;
    for (const Paragraph* paragraph : Paragraphs(document)) {
        for (const Inline& item : paragraph->content) {
            if (const auto* run = std::get_if<Run>(&item)) {
                runs.push_back(run);
            }
        }
    }
    return runs;
}

const Table* FirstTable(const Document& document) {
    for (const Block& block : document.blocks) {
        if (const auto* table = std::get_if<Table>(&block.content)) {
            return table;
        }
    }
    return nullptr;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> CorpusFiles(std::string_view extension) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(VELOCARTA_RTF_CORPUS)) {
        if (entry.path().extension() == extension) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace velocarta::rtf::testing
