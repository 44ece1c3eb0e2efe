#pragma once

#include <cstddef>
#include <string_view>

namespace velocarta::rtf {

enum class TokenType {
    End,
    GroupStart,
    GroupEnd,
    ControlWord,    // \name with an optional parameter
    ControlSymbol,  // \ and one character that is no letter
    HexByte,        // \'hh
    Text,           // bytes without braces, backslashes and line ends
};

struct Token {
    TokenType type = TokenType::End;
    // The control word's name (letters only, possibly very long), the control symbol's
    // character, or the text.
    std::string_view text;
    bool hasParameter = false;
    // Clamped to the int range: a 50-digit number is a large number, not an overflow.
    int parameter = 0;
    unsigned char byte = 0;  // of HexByte
};

// Splits RTF into tokens. It never fails: whatever the bytes, each call makes progress or
// returns End.
class Tokenizer {
  public:
    explicit Tokenizer(std::string_view input) : input_(input) {}

    Token next();

    // The next `length` bytes, raw (the data of \binN); fewer where the input ends first.
    std::string_view takeBinary(std::size_t length);

    // Passes over the rest of the current group and its closing brace, minding \bin data
    // and escaped braces, without building tokens: how unknown destinations are dropped.
    // Returns false when the input ended first.
    bool skipGroup();

    std::size_t position() const { return position_; }
    bool atEnd() const { return position_ >= input_.size(); }

  private:
    Token controlWord();
    // Reads an optional signed number after a control word, clamped to the int range.
    bool readParameter(int& value);

    std::string_view input_;
    std::size_t position_ = 0;
};

}  // namespace velocarta::rtf
