#pragma once

#include <Qt>

class QKeyEvent;

// The classic virtual key codes, shift masks and mouse-button numbers that
// the controls' key and mouse events carry.
namespace KeyCodes {

enum : short {
    Back = 8, Tab = 9, Clear = 12, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19,
    Capital = 20, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36,
    Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46, Help = 47,
    Key0 = 48, KeyA = 65, Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109,
    Decimal = 110, Divide = 111, F1 = 112, NumLock = 144, ScrollLock = 145,
};

// Shift state bits: 1 Shift, 2 Ctrl, 4 Alt.
enum : short { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
// Mouse buttons: 1 left, 2 right, 4 middle.
enum : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// The virtual key code of a Qt key; keypad digits and operators (with
// Qt::KeypadModifier) get their numeric-pad codes. 0 for a key without one.
short virtualKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
short virtualKey(const QKeyEvent *event);
short shiftState(Qt::KeyboardModifiers modifiers);
// The character code a key press types, in the single-byte code page
// (Windows-1252); '?' for a character it cannot hold, -1 when the key types
// nothing (Delete included).
short keyAscii(const QKeyEvent *event);
short mouseButton(Qt::MouseButton button);
short mouseButtons(Qt::MouseButtons buttons);

} // namespace KeyCodes
