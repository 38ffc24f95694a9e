#include "platform/text/KeyCodes.h"

#include <QKeyEvent>

namespace KeyCodes {

namespace {

// Unicode of the bytes 0x80 .. 0x9F in Windows-1252 (0 where the byte is unused).
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

short keypadKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return short(Numpad0 + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Asterisk: return Multiply;
    case Qt::Key_Plus: return Add;
    case Qt::Key_Minus: return Subtract;
    case Qt::Key_Period: case Qt::Key_Comma: return Decimal;
    case Qt::Key_Slash: return Divide;
    default: return 0;
    }
}

} // namespace

short virtualKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (const short code = keypadKey(qtKey))
            return code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return short(KeyA + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return short(Key0 + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return short(F1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace: return Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return Tab;
    case Qt::Key_Clear: return Clear;
    case Qt::Key_Return: case Qt::Key_Enter: return Return;
    case Qt::Key_Shift: return Shift;
    case Qt::Key_Control: return Control;
    case Qt::Key_Alt: return Menu;
    case Qt::Key_Pause: return Pause;
    case Qt::Key_CapsLock: return Capital;
    case Qt::Key_Escape: return Escape;
    case Qt::Key_Space: return Space;
    case Qt::Key_PageUp: return Prior;
    case Qt::Key_PageDown: return Next;
    case Qt::Key_End: return End;
    case Qt::Key_Home: return Home;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Insert: return Insert;
    case Qt::Key_Delete: return Delete;
    case Qt::Key_Help: return Help;
    case Qt::Key_NumLock: return NumLock;
    case Qt::Key_ScrollLock: return ScrollLock;
    // The punctuation keys of a US layout.
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: case Qt::Key_Greater: return 190;
    case Qt::Key_Slash: case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

short virtualKey(const QKeyEvent *event)
{
    return virtualKey(event->key(), event->modifiers());
}

short shiftState(Qt::KeyboardModifiers modifiers)
{
    short state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        state |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        state |= AltMask;
    return state;
}

short keyAscii(const QKeyEvent *event)
{
    const QString text = event->text();
    // X11 gives Delete the text DEL, but it is an editing key that types
    // nothing, like the arrows.
    if (text.isEmpty() || event->key() == Qt::Key_Delete)
        return -1;
    const char16_t ch = text.at(0).unicode();
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return short(ch);
    for (int i = 0; i < 32; ++i) {
        if (Cp1252High[i] == ch && ch != 0)
            return short(0x80 + i);
    }
    return '?';
}

short mouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return LeftButton;
    case Qt::RightButton: return RightButton;
    case Qt::MiddleButton: return MiddleButton;
    default: return 0;
    }
}

short mouseButtons(Qt::MouseButtons buttons)
{
    short mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= LeftButton;
    if (buttons & Qt::RightButton)
        mask |= RightButton;
    if (buttons & Qt::MiddleButton)
        mask |= MiddleButton;
    return mask;
}

} // namespace KeyCodes
