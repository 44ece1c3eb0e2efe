#pragma once

#include <QRect>
#include <QString>

#include "shell/main_layout.h"

class QLabel;
class QPushButton;
class QWidget;

namespace velocarta {

// Layout positions as widget geometry: pixels as they are, twips at 15 to the pixel.
QRect PixelsOf(const Rect& rect);
QRect PixelsOfTwips(const Rect& rect);

// A command button of the main window, named as the design names it.
QPushButton* MakeCommandButton(QWidget* parent, const QString& name, const QString& caption);
// A smaller font where a caption would not fit its button whole.
void FitCaption(QPushButton* button);

// A panel with a caption. A label's accessible name is the text a screen reader speaks, so
// the caption stays its name; the description says what the panel is.
QLabel* MakeCaptionPanel(QWidget* parent, const QString& name, const QString& caption,
                         const QString& description);

}  // namespace velocarta
