#include "sampledisc/html_writer.h"

#include "sampledisc/text_encoding.h"

namespace velocarta::sampledisc {

namespace {

std::string Escape(std::u32string_view text) {
    std::string out;
    for (const char c : EncodeUtf8(text)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Inline(const RichLine& line) {
    std::string out;
    for (const TextRun& run : line) {
        std::string text = Escape(run.text);
        if (run.underline) {
            text = "<u>" + text + "</u>";
        }
        if (run.italic) {
            text = "<i>" + text + "</i>";
        }
        if (run.bold) {
            text = "<b>" + text + "</b>";
        }
        out += text;
    }
    return out;
}

std::string Anchor(int n) {
    return "topic" + std::to_string(n);
}

}  // namespace

std::string WriteHelpHtml(const SourceDocument& doc) {
    const std::string title = Escape(doc.title);
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       title + "</title>\n</head>\n<body>\n<h1>" + title + "</h1>\n";

    std::string contents;
    int headings = 0;
    for (const Block& block : doc.blocks) {
        if (block.kind == BlockKind::Heading) {
            ++headings;
            contents +=
                "<li><a href=\"#" + Anchor(headings) + "\">" + Inline(block.text) + "</a></li>\n";
        }
    }
    if (headings > 0) {
        html += "<h2>Contents</h2>\n<ul>\n" + contents + "</ul>\n";
    }

    headings = 0;
    enum class List { None, Bullets, Numbers } list = List::None;
    auto closeList = [&] {
        if (list == List::Bullets) {
            html += "</ul>\n";
        } else if (list == List::Numbers) {
            html += "</ol>\n";
        }
        list = List::None;
    };
    for (const Block& block : doc.blocks) {
        if (block.kind != BlockKind::Bullet && block.kind != BlockKind::Numbered) {
            closeList();
        }
        switch (block.kind) {
            case BlockKind::Heading:
                ++headings;
                html += "<h2><a name=\"" + Anchor(headings) + "\"></a>" + Inline(block.text) +
                        "</h2>\n";
                break;
            case BlockKind::Paragraph:
                html += "<p>" + Inline(block.text) + "</p>\n";
                break;
            case BlockKind::Bullet:
                if (list != List::Bullets) {
                    closeList();
                    html += "<ul>\n";
                    list = List::Bullets;
                }
                html += "<li>" + Inline(block.text) + "</li>\n";
                break;
            case BlockKind::Numbered:
                if (list != List::Numbers) {
                    closeList();
                    html += "<ol start=\"" + std::to_string(block.number) + "\">\n";
                    list = List::Numbers;
                }
                html += "<li>" + Inline(block.text) + "</li>\n";
                break;
            case BlockKind::Table:
                html += "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n";
                for (std::size_t r = 0; r < block.rows.size(); ++r) {
                    const std::string cell = r == 0 ? "th" : "td";
                    html += "<tr>";
                    for (const RichLine& text : block.rows[r]) {
                        html += "<" + cell + ">" + Inline(text) + "</" + cell + ">";
                    }
                    html += "</tr>\n";
                }
                html += "</table>\n";
                break;
            case BlockKind::Picture:
                break;
            case BlockKind::PageBreak:
                html += "<hr>\n";
                break;
        }
    }
    closeList();
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace velocarta::sampledisc
