#include "screensaver/profile_text.h"

#include <deque>
#include <vector>

#include "content/text.h"

namespace velocarta {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of the file: what it says, and how it ends ("\r\n", "\n", or "" for a last line
// without a line end).
struct Line {
    std::string_view content;
    std::string_view ending;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        if (feed == std::string_view::npos) {
            lines.push_back({text, {}});
            break;
        }
        const bool crlf = feed > 0 && text[feed - 1] == '\r';
        const std::size_t contentEnd = crlf ? feed - 1 : feed;
        lines.push_back(
            {text.substr(0, contentEnd), text.substr(contentEnd, feed + 1 - contentEnd)});
        text.remove_prefix(feed + 1);
    }
    if (!lines.empty() && lines.front().content.starts_with(kByteOrderMark)) {
        lines.front().content.remove_prefix(kByteOrderMark.size());
    }
    return lines;
}

// The name of a section header ("[ Vantrel2000 ]" -> "Vantrel2000"), or nothing.
std::optional<std::string_view> SectionName(std::string_view content) {
    const std::string_view line = TrimBlanks(content);
    if (!line.starts_with('[')) {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return TrimBlanks(line.substr(1, close - 1));
}

bool IsComment(std::string_view trimmed) {
    return trimmed.starts_with(';') || trimmed.starts_with('#');
}

// The key of an entry line ("  Interval = 5" -> "Interval"; a line without '=' is a key
// without a value), or nothing for blank lines, comments and headers.
std::optional<std::string_view> KeyName(std::string_view content) {
    const std::string_view line = TrimBlanks(content);
    if (line.empty() || IsComment(line) || SectionName(line)) {
        return std::nullopt;
    }
    return TrimBlanks(line.substr(0, line.find('=')));
}

// Where a section's lines are: its header and the line after its last one.
struct SectionSpan {
    std::size_t header;
    std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i].content);
        if (name && EqualsIgnoringAsciiCase(*name, section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && !SectionName(lines[end].content)) {
                ++end;
            }
            return SectionSpan{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, const SectionSpan& span,
                                   std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto name = KeyName(lines[i].content);
        if (name && EqualsIgnoringAsciiCase(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

void CheckName(std::string_view name, std::string_view forbidden, const char* what) {
    if (TrimBlanks(name).empty() || name.find_first_of(forbidden) != std::string_view::npos) {
        throw ProfileValueError(std::string("Not a settings ") + what + ": \"" + std::string(name) +
                                "\"");
    }
}

std::string Join(const std::vector<Line>& lines, std::string_view text) {
    std::string joined;
    joined.reserve(text.size() + 80);
    if (text.starts_with(kByteOrderMark)) {
        joined += kByteOrderMark;
    }
    for (const Line& line : lines) {
        joined += line.content;
        joined += line.ending;
    }
    return joined;
}

}  // namespace

std::string SetProfileString(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    CheckName(section, "\r\n]", "section");
    CheckName(key, "\r\n=[;#", "key");
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        throw ProfileValueError("A settings value must be one line.");
    }
    const std::string_view sectionName = TrimBlanks(section);
    const std::string_view keyName = TrimBlanks(key);

    std::vector<Line> lines = SplitLines(text);
    std::string_view eol = "\n";
    if (!lines.empty() && !lines.front().ending.empty()) {
        eol = lines.front().ending;
    }
    // New and changed lines live here; a deque keeps the views into them valid.
    std::deque<std::string> written;
    auto entry = [&](std::string_view name) -> std::string_view {
        written.push_back(std::string(name) + "=" + std::string(value));
        return written.back();
    };

    const auto span = FindSection(lines, sectionName);
    if (!span) {
        if (!lines.empty()) {
            if (lines.back().ending.empty()) {
                lines.back().ending = eol;
            }
            if (!TrimBlanks(lines.back().content).empty()) {
                lines.push_back({{}, eol});
            }
        }
        written.push_back("[" + std::string(sectionName) + "]");
        lines.push_back({written.back(), eol});
        lines.push_back({entry(keyName), eol});
        return Join(lines, text);
    }
    if (const auto found = FindKey(lines, *span, keyName)) {
        // The key keeps its spelling; only its value changes.
        lines[*found].content = entry(*KeyName(lines[*found].content));
        return Join(lines, text);
    }
    // After the section's last entry, so that blank lines and comments before the next
    // section stay where they are.
    std::size_t after = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (KeyName(lines[i].content)) {
            after = i;
        }
    }
    if (lines[after].ending.empty()) {
        lines[after].ending = eol;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after) + 1, {entry(keyName), eol});
    return Join(lines, text);
}

std::optional<std::string> GetProfileString(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(lines, TrimBlanks(section));
    if (!span) {
        return std::nullopt;
    }
    const auto found = FindKey(lines, *span, TrimBlanks(key));
    if (!found) {
        return std::nullopt;
    }
    const std::string_view line = TrimBlanks(lines[*found].content);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::string();
    }
    std::string_view value = TrimBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

}  // namespace velocarta
