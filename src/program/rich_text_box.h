#pragma once

#include "content/content_file.h"

class QTextBrowser;

namespace velocarta {

class FileSystem;

// Loads an RTF document of the content into a rich-text box, shown from its beginning.
// Throws RichTextError (with a message for the user) when it cannot be shown.
void LoadRichText(QTextBrowser& box, FileSystem& fileSystem, const ContentFile& document);

}  // namespace velocarta
