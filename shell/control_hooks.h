#pragma once

#include "shell/message_box.h"

#include <QString>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QWidget;

namespace bj {

// The character a key press types, 0 for none: editing and moving keys and Ctrl shortcuts
// type none, while a key held with Alt, AltGr or Meta still types its character, and a key
// whose text is longer than one unit (an emoji) types its first.
int TypedCharacter(const QKeyEvent* key);

// Typed characters in the box pass through the key filter (MoneyKeyFilter or
// DigitKeyFilter); refused ones are swallowed. Editing and navigation keys (arrows, Home,
// End, Delete, Tab) and Ctrl shortcuts always pass, so copy and paste work; button
// mnemonics with Alt are taken before the box sees the key.
using KeyFilter = int (*)(int keyCode);
void InstallKeyFilter(QLineEdit* box, KeyFilter filter);
void InstallMoneyKeyFilter(QLineEdit* box);
void InstallDigitKeyFilter(QLineEdit* box);

// F1 on the control (or inside an editable combo box's text) shows `text` under `title`
// with an OK button through Messages(). Installing again replaces the text.
void InstallF1Help(QWidget* control, const QString& text, const QString& title = QString(),
    MsgIcon icon = MsgIcon::None);

// Enter (or Return) that no control of the window takes for itself presses `button`, the
// window's default button, when it is enabled.
void InstallDefaultButton(QWidget* window, QPushButton* button);
// Escape that no control of the window takes presses `button`, its way back, when enabled.
void InstallCancelButton(QWidget* window, QPushButton* button);

// Enter (or Return) on a push button that has the focus presses that button, as it does on
// the desktops the program's users come from; a dialog's own handling stays as it is.
void InstallEnterPressesFocusedButton();

// The box selects its whole text whenever it gets the focus, by mouse as well as by key, but
// not when the focus only comes back to it (see LeftWithinWindow).
void InstallSelectAllOnFocus(QLineEdit* box);

// Whether a focus-out moved the focus to another place in the window, the only leaving a box
// reacts to: a menu, a message such as F1's help or another program's window takes the focus
// only for a while, and typing goes on where it was when it comes back.
bool LeftWithinWindow(const QEvent* focusOut);

} // namespace bj
