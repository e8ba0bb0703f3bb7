#include "navigation/inputcodes.h"

#include <iterator>

namespace {

struct KeyCode
{
    int qtKey;
    int virtualKey;
};

constexpr KeyCode kKeys[] = {
    { Qt::Key_Backspace, 8 },
    { Qt::Key_Tab, 9 },
    { Qt::Key_Backtab, 9 },
    { Qt::Key_Clear, 12 },
    { Qt::Key_Return, 13 },
    { Qt::Key_Enter, 13 },
    { Qt::Key_Shift, 16 },
    { Qt::Key_Control, 17 },
    { Qt::Key_Alt, 18 },
    { Qt::Key_Pause, 19 },
    { Qt::Key_CapsLock, 20 },
    { Qt::Key_Escape, 27 },
    { Qt::Key_Space, 32 },
    { Qt::Key_PageUp, 33 },
    { Qt::Key_PageDown, 34 },
    { Qt::Key_End, 35 },
    { Qt::Key_Home, 36 },
    { Qt::Key_Left, 37 },
    { Qt::Key_Up, 38 },
    { Qt::Key_Right, 39 },
    { Qt::Key_Down, 40 },
    { Qt::Key_Insert, 45 },
    { Qt::Key_Delete, 46 },
};

// Keypad operators with Num Lock on.
constexpr KeyCode kKeypadKeys[] = {
    { Qt::Key_Asterisk, 106 },
    { Qt::Key_Plus, 107 },
    { Qt::Key_Minus, 109 },
    { Qt::Key_Period, 110 },
    { Qt::Key_Comma, 110 },
    { Qt::Key_Slash, 111 },
};

int lookUp(const KeyCode *begin, const KeyCode *end, int qtKey)
{
    for (const KeyCode *key = begin; key != end; ++key)
        if (key->qtKey == qtKey)
            return key->virtualKey;
    return 0;
}

} // namespace

int mouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? 96 + (qtKey - Qt::Key_0) : qtKey; // keypad digits with Num Lock on: 96 .. 105
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (keypad) {
        if (const int code = lookUp(std::begin(kKeypadKeys), std::end(kKeypadKeys), qtKey))
            return code;
    }
    return lookUp(std::begin(kKeys), std::end(kKeys), qtKey);
}
