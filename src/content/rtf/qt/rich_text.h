#pragma once

#include <stdexcept>

#include "content/rtf/document.h"

class QString;
class QTextDocument;

namespace velocarta {

// A rich-text document that cannot be shown; the message is fit for the user.
class RichTextError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Replaces the contents of `document` with the model: blocks with their formats, runs with
// their character formats, tables as QTextTable, pictures as image resources of the
// document (so that it renders and prints them), page breaks on the block that follows.
void BuildTextDocument(const rtf::Document& model, QTextDocument& document);

// Reads the RTF file and builds `document` from it. Throws RichTextError when the file
// cannot be read or is no RTF; damaged RTF shows what can be read of it.
void LoadRtfFile(const QString& hostPath, QTextDocument& document);

}  // namespace velocarta
