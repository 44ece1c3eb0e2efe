#pragma once

class QWidget;

namespace velocarta {

class Program;

// The clipboard offer of a control the user pressed: with the right button (`requested`)
// it asks "Would you like to copy this image to the Windows Clipboard?" and, on Yes, puts
// what the control holds on the clipboard: a picture as image data, the selected text of a
// text box, the text of a combo box, the chosen entry of a list. Any other button asks
// nothing.
void CopyActiveControl(Program& program, const QWidget& control, bool requested);

}  // namespace velocarta
