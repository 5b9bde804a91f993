#pragma once

#include "engine/currency.h"

#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVariant>

#include <optional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace bj {

// Key filters for numeric boxes: the key code when the character may be typed, else 0.
// Both let Enter (13) and Backspace (8) through.
int MoneyKeyFilter(int keyCode); // digits and "."
int DigitKeyFilter(int keyCode); // digits only

void SelectAllText(QLineEdit* box);

// Where a window of `window` size goes on a screen of `screen` size, in pixels. The table
// window sits a little higher to clear the task bar; either may come out negative.
QPointF CenteredTopLeft(QSize screen, QSize window, bool isTableWindow);
// Centres the window on its screen, kept inside the screen's usable area so its title
// bar can always be reached.
void CenterForm(QWidget* form, bool isTableWindow = false);

// Room for a window's borders and title bar beside its client area.
inline constexpr QSize kFrameAllowance(16, 40);
// Resizes the window to `wanted`, or smaller where `usable` (a screen's area without its
// panels) is smaller, leaving room for the frame, so its title bar and bottom row stay on
// the screen; never below the window's minimum size.
void FitWithin(QWidget* form, QSize wanted, QSize usable);
// The same against the usable area of the screen the window is on.
void FitOnScreen(QWidget* form, QSize wanted);
// Moves the window's layout into a frameless scroll area filling the window, so that a
// window fitted to a screen narrower or shorter than its controls scrolls to every one of
// them; where they fit, no scroll bar shows and the window looks as before. The window's
// size hint stays the whole size of its controls. A `keptInView` widget, taken out of the
// controls, goes outside the scroll area at the window's right edge, so it never scrolls away.
void ScrollWhenSmall(QWidget* form, QWidget* keptInView = nullptr);

// Option buttons, check boxes and frames take on the window's background colour.
void MatchBackColors(QWidget* form);
// Tab stops at the chosen one of a group of option buttons, however it came to be chosen, so
// Space there never changes the choice; with none chosen, at every one.
void TabToChosenOption(const QList<QAbstractButton*>& options);

// The box's open list gets a scroll bar when it is longer than the screen. Some styles, Fusion
// among them, open it as a menu with scroll arrows only, and a list of thousands of strategies
// then takes minutes to cross.
void ListWithScrollBar(QComboBox* box);

// Reads an amount as the program writes it: optional blanks, an optional minus sign or
// surrounding parentheses for a negative amount, an optional "$", digits with or without
// thousands separators, and an optional fraction. A separator may stand between any two
// digits: a grouped amount typed into keeps its old commas. Digits past the range of a double
// read as infinity. Anything else is empty.
std::optional<double> ParseAmount(const QString& text);

// The value with two decimals and no thousands separator ("0.00"); text that is not a
// number, empty text and Null give "0.00".
QString FormatAmount(double value);
QString FormatAmount(Currency value);
QString FormatAmount(const QString& text);
QString FormatAmount(const char* text);
QString FormatAmount(const QVariant& value);
// The number a formatted text stands for, 0 when it is not one.
double AmountValue(const QString& text);
// The number of a text to the cent, as FormatAmount shows it, 0 when it is not one; digits
// past a double's range stay infinite, so that range checks take them as too large.
double RoundedAmount(const QString& text);

// Text without leading and trailing blanks; Null gives the empty text.
QString TrimText(const QString& text);
QString TrimText(const QVariant& value);
// A name as a box holds it, trimmed and without halves of characters: a box's length limit
// counts UTF-16 units and so can cut an emoji in two, whose half the database keeps as "?".
QString NameFromBox(const QString& text);
// Caps a name box at `units` and drops the half of a character the cap cuts off, so the box
// shows the name that is saved.
void LimitNameLength(QLineEdit* box, int units);

// First entry whose item data equals `value`; the last index (-1 for an empty list) if none.
int FindItemData(const QComboBox* list, qint64 value);
// First entry whose text equals `text` exactly; 0 if none.
int FindListText(const QComboBox* list, const QString& text);

// The text with every single quote doubled, fit to stand inside an SQL string literal.
QString SqlQuote(const QString& text);

// Refuses what the box holds: shows `text` under `title` with the information icon, then gives
// the box the focus with its text selected, so that what is typed next replaces it.
void RefuseEntry(QLineEdit* box, const QString& text, const QString& title);

// Asks "Do you wish to save changes to <name>?" under the title <name>, Yes and No and no
// icon; true exactly when the user answers Yes. A blank name is asked as "the new strategy".
bool ConfirmSaveChanges(const QString& name);

} // namespace bj
