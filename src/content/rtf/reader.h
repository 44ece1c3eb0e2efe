#pragma once

#include <stdexcept>
#include <string_view>

#include "content/rtf/document.h"

namespace velocarta::rtf {

// Input that is no RTF at all (it does not begin with "{\rtf"), empty input included.
class NotRtfError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Whether the bytes begin like an RTF document (after blanks and a UTF-8 byte-order mark).
bool LooksLikeRtf(std::string_view bytes);

// Reads an RTF document. Damaged RTF gives what can be read of it, with the damage listed
// in Document::warnings; only input that is no RTF throws (NotRtfError). Time and memory
// grow linearly with the input whatever it holds.
Document Read(std::string_view bytes);

}  // namespace velocarta::rtf
