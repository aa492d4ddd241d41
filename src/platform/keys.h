#pragma once
// Key handlers compare the Windows virtual-key codes the program has always
// used (13 Enter, 27 Escape, 37–40 arrows ...); this maps Qt's keys to them.
#include <QString>
#include <Qt>

class QKeyEvent;

namespace platform {

namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27, Space = 32, Prior = 33,
              Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
              F1 = 112, F12 = 123;
}

// The virtual-key code of a Qt key; 0 for a key without one. Letters give
// their capital's code (65–90) and digits 48–57 whatever the modifiers.
int virtualKey(int qtKey);
int virtualKey(const QKeyEvent &event);

// Types `text` into the widget that has the keyboard focus, one key press
// and release per character, as if the user had typed it. Returns false when
// no widget has the focus.
bool sendKeystrokes(const QString &text);

} // namespace platform
