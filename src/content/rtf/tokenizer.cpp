#include "content/rtf/tokenizer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "content/text.h"

namespace velocarta::rtf {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

Token Of(TokenType type) {
    Token token;
    token.type = type;
    return token;
}

bool EndsText(char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

}  // namespace

Token Tokenizer::next() {
    while (position_ < input_.size()) {
        const char c = input_[position_];
        if (c == '{') {
            ++position_;
            return Of(TokenType::GroupStart);
        }
        if (c == '}') {
            ++position_;
            return Of(TokenType::GroupEnd);
        }
        if (c == '\r' || c == '\n') {
            ++position_;  // line ends in RTF are only there to keep lines short
            continue;
        }
        if (c == '\\') {
            if (position_ + 1 >= input_.size()) {
                position_ = input_.size();
                return Of(TokenType::End);
            }
            const char after = input_[position_ + 1];
            if (IsLetter(after)) {
                ++position_;
                return controlWord();
            }
            if (after == '\'') {
                position_ += 2;
                const int high = position_ < input_.size() ? HexValue(input_[position_]) : -1;
                const int low =
                    position_ + 1 < input_.size() ? HexValue(input_[position_ + 1]) : -1;
                if (high < 0 || low < 0) {
                    continue;  // a broken \' escape stands for nothing; what follows is text
                }
                position_ += 2;
                Token token = Of(TokenType::HexByte);
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
            Token token = Of(TokenType::ControlSymbol);
            token.text = input_.substr(position_ + 1, 1);
            position_ += 2;
            return token;
        }
        const std::size_t start = position_;
        while (position_ < input_.size() && !EndsText(input_[position_])) {
            ++position_;
        }
        Token token = Of(TokenType::Text);
        token.text = input_.substr(start, position_ - start);
        return token;
    }
    return Of(TokenType::End);
}

Token Tokenizer::controlWord() {
    const std::size_t start = position_;
    while (position_ < input_.size() && IsLetter(input_[position_])) {
        ++position_;
    }
    Token token = Of(TokenType::ControlWord);
    token.text = input_.substr(start, position_ - start);
    token.hasParameter = readParameter(token.parameter);
    if (position_ < input_.size() && input_[position_] == ' ') {
        ++position_;  // the delimiter belongs to the control word
    }
    return token;
}

bool Tokenizer::readParameter(int& value) {
    std::size_t cursor = position_;
    bool negative = false;
    if (cursor < input_.size() && input_[cursor] == '-') {
        negative = true;
        ++cursor;
    }
    if (cursor >= input_.size() || !IsDigit(input_[cursor])) {
        return false;
    }
    std::int64_t magnitude = 0;
    while (cursor < input_.size() && IsDigit(input_[cursor])) {
        magnitude = std::min<std::int64_t>(magnitude * 10 + (input_[cursor] - '0'), INT_MAX);
        ++cursor;
    }
    position_ = cursor;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

std::string_view Tokenizer::takeBinary(std::size_t length) {
    const std::size_t available = input_.size() - position_;
    const std::size_t taken = std::min(length, available);
    const std::string_view data = input_.substr(position_, taken);
    position_ += taken;
    return data;
}

bool Tokenizer::skipGroup() {
    std::size_t depth = 1;
    while (position_ < input_.size()) {
        const char c = input_[position_];
        if (c == '{') {
            ++depth;
            ++position_;
        } else if (c == '}') {
            ++position_;
            if (--depth == 0) {
                return true;
            }
        } else if (c == '\\') {
            ++position_;
            if (position_ < input_.size() && IsLetter(input_[position_])) {
                const Token word = controlWord();
                if (word.text == "bin" && word.hasParameter && word.parameter > 0) {
                    takeBinary(static_cast<std::size_t>(word.parameter));
                }
            } else if (position_ < input_.size()) {
                ++position_;  // an escaped brace or backslash is no group boundary
            }
        } else {
            const auto* stop =
                std::find_if(input_.begin() + static_cast<std::ptrdiff_t>(position_), input_.end(),
                             [](char b) { return b == '{' || b == '}' || b == '\\'; });
            position_ = static_cast<std::size_t>(stop - input_.begin());
        }
    }
    return false;
}

}  // namespace velocarta::rtf
