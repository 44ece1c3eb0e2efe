#include "program/rich_text_box.h"

#include <QTextBrowser>

#include "content/rtf/qt/rich_text.h"
#include "platform/file_system.h"

namespace velocarta {

void LoadRichText(QTextBrowser& box, FileSystem& fileSystem, const ContentFile& document) {
    const auto path = fileSystem.resolve(document);
    if (!path) {
        throw RichTextError("Cannot find " + document.full());
    }
    LoadRtfFile(QString::fromStdString(*path), *box.document());
    box.moveCursor(QTextCursor::Start);
}

}  // namespace velocarta
