#include "program/copy_active_control.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "program/photo_view.h"
#include "program/program.h"

namespace velocarta {

void CopyActiveControl(Program& program, const QWidget& control, bool requested) {
    if (!requested) {
        return;
    }
    Services& services = program.services;
    const Answer answer =
        services.prompter.ask({"Would you like to copy this image to the Windows Clipboard?",
                               kProductTitle, Buttons::YesNo, Icon::Question});
    if (answer != Answer::Yes) {
        return;
    }
    Clipboard& clipboard = services.clipboard;
    clipboard.clear();
    if (const auto* photo = qobject_cast<const PhotoView*>(&control)) {
        // A photo control whose photo could not be loaded has nothing to copy.
        if (photo->hasImage()) {
            clipboard.setImage(photo->image());
        }
    } else if (const auto* picture = qobject_cast<const QLabel*>(&control)) {
        if (!picture->pixmap().isNull()) {
            clipboard.setImage(picture->pixmap().toImage());
        }
    } else if (const auto* text = qobject_cast<const QLineEdit*>(&control)) {
        clipboard.setText(text->selectedText().toStdString());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        clipboard.setText(combo->currentText().toStdString());
    } else if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
        if (const QListWidgetItem* item = list->currentItem()) {
            clipboard.setText(item->text().toStdString());
        }
    }
}

}  // namespace velocarta
