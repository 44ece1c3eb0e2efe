#include "content/rtf/reader.h"

#include <algorithm>
#include <string>
#include <utility>

#include "content/rtf/reader_internal.h"

// The reader's main loop: groups, control words and where they go.

namespace velocarta::rtf {

namespace internal {

void Reader::warn(std::string message) {
    if (document_.warnings.size() < kMaxWarnings) {
        document_.warnings.push_back(std::move(message));
    }
}

Document Reader::read() {
    while (!done_) {
        const Token token = tokens_.next();
        switch (token.type) {
            case TokenType::End:
                done_ = true;
                if (stack_.size() > 1) {
                    warn("the document ends inside " + std::to_string(stack_.size() - 1) +
                         " open groups");
                }
                break;
            case TokenType::GroupStart:
                openGroup();
                break;
            case TokenType::GroupEnd:
                closeGroup();
                break;
            case TokenType::ControlWord:
                controlWord(token);
                break;
            case TokenType::ControlSymbol:
                controlSymbol(token);
                break;
            case TokenType::HexByte:
                if (!skipUnicodeFallback()) {
                    hexByte(token.byte);
                }
                break;
            case TokenType::Text:
                text(token.text);
                break;
        }
    }
    while (stack_.size() > 1) {
        closeGroup();
    }
    if (picture_) {
        finishPicture();
    }
    if (paragraphHasContent()) {
        endParagraph();
    }
    closeTablesDeeperThan(0);
    return std::move(document_);
}

void Reader::openGroup() {
    unicodeSkipPending_ = 0;
    if (stack_.size() >= kMaxDepth) {
        if (overflowDepth_++ == 0) {
            warn("groups nested deeper than " + std::to_string(kMaxDepth));
        }
        return;
    }
    State inner = stack_.back();
    inner.ignorable = false;
    stack_.push_back(std::move(inner));
}

void Reader::closeGroup() {
    unicodeSkipPending_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.size() <= 1) {
        warn("a closing brace without its opening one");
        return;
    }
    if (stack_.size() == 2 && paragraphHasContent()) {
        // The last paragraph needs no \par; it keeps the properties the document gave it.
        endParagraph();
    }
    const Destination closed = stack_.back().destination;
    stack_.pop_back();
    formatChanged_ = true;
    if (closed == Destination::FontTable && state().destination != Destination::FontTable) {
        finishFontTable();
    }
    if (picture_ && stack_.size() < picture_->depth) {
        finishPicture();
    }
    closeListGroups();
    while (!fields_.empty() && stack_.size() < fields_.back().depth) {
        fields_.pop_back();
    }
    if (stack_.size() == 1) {
        done_ = true;  // the document's group is closed; what follows is no part of it
    }
}

bool Reader::skipUnicodeFallback() {
    if (unicodeSkipPending_ > 0) {
        --unicodeSkipPending_;
        return true;
    }
    return false;
}

void Reader::controlWord(const Token& token) {
    const Keyword* keyword = FindKeyword(token.text);
    if (keyword != nullptr && keyword->id == Kw::Binary) {
        // \bin data counts as one character of a \u fallback and is skipped with it.
        const int length = token.hasParameter ? std::max(0, token.parameter) : 0;
        if (skipUnicodeFallback() || state().destination != Destination::Picture) {
            tokens_.takeBinary(static_cast<std::size_t>(length));
            if (state().destination == Destination::Body && length > 0) {
                warn("binary data outside a picture");
            }
        } else {
            binary(length);
        }
        return;
    }
    if (skipUnicodeFallback()) {
        return;
    }
    if (state().ignorable) {
        // \* marks the one control word that follows it: the group goes unless the word
        // is a destination the reader knows.
        state().ignorable = false;
        if (keyword == nullptr || keyword->kind != KeywordKind::Destination) {
            tokens_.skipGroup();
            closeGroup();
            return;
        }
    }
    if (keyword != nullptr) {
        apply(*keyword, token.hasParameter, token.parameter);
    }
}

void Reader::controlSymbol(const Token& token) {
    if (token.text == "*") {
        state().ignorable = true;
        return;
    }
    if (skipUnicodeFallback()) {
        return;
    }
    const Keyword* keyword = FindKeyword(token.text);
    if (keyword != nullptr) {
        apply(*keyword, false, 0);
    }
}

void Reader::apply(const Keyword& keyword, bool hasParameter, int parameter) {
    const Destination destination = state().destination;
    if (destination == Destination::FontTable) {
        applyFontTableWord(keyword.id, hasParameter ? parameter : keyword.defaultValue);
        if (keyword.kind != KeywordKind::Destination) {
            return;
        }
    }
    if (InListTable(destination) && keyword.kind != KeywordKind::Destination) {
        applyListTableWord(keyword.id, hasParameter ? parameter : keyword.defaultValue);
        return;
    }
    if ((destination == Destination::Numbering || destination == Destination::NumberingText) &&
        keyword.kind != KeywordKind::Destination) {
        applyNumberingWord(keyword.id, hasParameter ? parameter : keyword.defaultValue);
        return;
    }
    switch (keyword.kind) {
        case KeywordKind::Flag:
            applyFlag(keyword.id);
            break;
        case KeywordKind::Toggle:
            applyValue(keyword.id, hasParameter ? (parameter != 0 ? 1 : 0) : 1);
            break;
        case KeywordKind::Value:
            applyValue(keyword.id, hasParameter ? parameter : keyword.defaultValue);
            break;
        case KeywordKind::Destination:
            applyDestination(keyword.id);
            break;
        case KeywordKind::Symbol:
            if (keyword.id == Kw::LineBreak) {
                appendUtf8("\n");
            } else if (keyword.id == Kw::Text) {
                appendUtf8(keyword.text);
            }
            break;
    }
}

}  // namespace internal

bool LooksLikeRtf(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const auto first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes.substr(first).starts_with("{\\rtf");
}

Document Read(std::string_view bytes) {
    if (bytes.empty()) {
        throw NotRtfError("The file is empty.");
    }
    if (!LooksLikeRtf(bytes)) {
        throw NotRtfError("The file is not a rich-text (RTF) document.");
    }
    return internal::Reader(bytes).read();
}

}  // namespace velocarta::rtf
