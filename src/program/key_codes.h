#pragma once

class QKeyEvent;

namespace velocarta {

// The code of the key the user pressed, as the program has always numbered keys (the
// virtual-key codes of a PC keyboard: Space 32, comma 188, period 190, Shift 16, A 65).
// It names the key, not the character: Shift with comma is still 188. 0 for a key that has
// no such code.
int KeyCodeOf(const QKeyEvent& event);

}  // namespace velocarta
