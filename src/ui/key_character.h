#pragma once
// The character a key press types, as the keyboard rules of the settings expect it: Enter,
// Escape and Backspace as their control characters, any other key as the first character of
// its text (0 when it types none).

#include <QKeyEvent>

namespace vistrel {

inline char32_t typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.toUcs4().value(0);
}

} // namespace vistrel
