#pragma once

#include <QString>

class QWidget;

namespace bj {

// Shows the window application-modal and returns once it has been hidden or destroyed;
// events for every window go on being handled meanwhile. Returns at once if the window
// hides itself while being shown. Safe to nest.
void ShowModal(QWidget* window);
// Shows the window without blocking and without modality (it may have been modal before).
void ShowModeless(QWidget* window);

// The window stays in front of `owner` (transient for it), so that a window manager never
// puts it behind the window that opened it.
void KeepInFrontOf(QWidget* window, QWidget* owner);
// The visible window kept in front of `owner`, if any.
QWidget* WindowInFrontOf(const QWidget* owner);

// Handles the events that are waiting, from inside a handler.
void ProcessPendingEvents();

QString AppTitle();
int AppVersionMajor();
int AppVersionMinor();
int AppVersionRevision();
QString AppVersionText(); // "Version 1.0.1"
QString ProgramFolder();

} // namespace bj
