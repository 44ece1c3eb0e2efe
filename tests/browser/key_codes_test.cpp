#include "program/key_codes.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace velocarta {
namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

TEST(KeyCodes, KeysAreNumberedAsOnThePcKeyboard) {
    const KeyCase cases[] = {
        {Qt::Key_Space, {}, 32},
        {Qt::Key_Comma, {}, 188},
        {Qt::Key_Period, {}, 190},
        // Shift changes the character, not the key.
        {Qt::Key_Comma, Qt::ShiftModifier, 188},
        {Qt::Key_Less, Qt::ShiftModifier, 188},
        {Qt::Key_Greater, Qt::ShiftModifier, 190},
        {Qt::Key_Exclam, Qt::ShiftModifier, '1'},
        {Qt::Key_A, {}, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, {}, 48},
        // Qt numbers these above 0xFFFF; none of them is Space.
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Alt, Qt::AltModifier, 18},
        {Qt::Key_Meta, Qt::MetaModifier, 91},
        {Qt::Key_CapsLock, {}, 20},
        {Qt::Key_Return, {}, 13},
        {Qt::Key_Escape, {}, 27},
        {Qt::Key_Left, {}, 37},
        {Qt::Key_F1, {}, 112},
        {Qt::Key_F12, {}, 123},
        {Qt::Key_Dead_Acute, {}, 0},
        {Qt::Key_VolumeUp, {}, 0},
        // The keypad has codes of its own.
        {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_Period, Qt::KeypadModifier, 110},
    };
    for (const KeyCase& test : cases) {
        const QKeyEvent event(QEvent::KeyPress, test.key, test.modifiers);
        EXPECT_EQ(KeyCodeOf(event), test.code) << std::hex << test.key;
    }
}

}  // namespace
}  // namespace velocarta
