#pragma once

#include <Qt>

// Qt input in the codes the handlers work with.

// The mouse button as 1 (left), 2 (right), 4 (middle); 0 for any other button.
int mouseButtonCode(Qt::MouseButton button);

// The virtual-key code of a Qt key: Clear 12 (keypad 5 without Num Lock), Escape 27, Page Up 33,
// Page Down 34, End 35, Home 36, Left 37, Up 38, Right 39, Down 40, and the usual codes of letters,
// digits, keypad, function and editing keys. Keypad keys without Num Lock arrive as the cursor keys
// they stand for and map the same way. A key without a virtual-key code gives 0.
int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
