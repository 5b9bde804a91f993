#include "table/frm_main.h"

#include "engine/game_state.h"
#include "table/tray_icon.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <QTimer>

namespace bj {

void frmMain::chkSysTray_Click() {
    ctx_.gs.TrayIconOn = chkSysTray_->isChecked();
    if (ctx_.gs.TrayIconOn)
        AddTrayIcon(*this);
    else
        RemoveTrayIcon(*this);
    ShowTrayAvailability(TrayArea().Available());
}

// Minimised with the icon on, the window leaves the task bar; while the desktop has no
// notification area to bring it back from, it stays there. Behind another window the table
// takes no input, its frame's minimise included: the icon, blocked as well, could not bring it
// back, and the window in front would go with it.
void frmMain::Form_Resize() {
    if (!isMinimized())
        return;
    if (!isEnabled() || QApplication::activeModalWidget())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                showNormal();
        });
    else if (ctx_.gs.TrayIconOn && TrayArea().Available())
        QTimer::singleShot(0, this, &frmMain::HideToTray);
}

// Runs after the state change has been handled; the window may have come back meanwhile.
void frmMain::HideToTray() {
    if (!ctx_.gs.TrayIconOn || !isMinimized() || unloading_)
        return;
    hiddenToTray_ = true;
    hide();
}

void frmMain::Form_MouseMove(int message) {
    if (!ctx_.gs.TrayIconOn)
        return;
    const QString name = TrayMouseName(message).toUpper();
    if (name == QLatin1String("LEFTDOUBLE"))
        mnuShowWar_Click();
    else if (name == QLatin1String("RIGHTUP"))
        mnuPopUp_->popup(QCursor::pos());
}

void frmMain::mnuShowWar_Click() {
    hiddenToTray_ = false;
    showNormal();
    raise();
    activateWindow();
}

// A window hidden in an area that has gone would have no way back, so it comes back now.
void frmMain::TrayAvailabilityChanged(bool available) {
    ShowTrayAvailability(available);
    if (!available && hiddenToTray_ && !unloading_)
        mnuShowWar_Click();
}

// A ticked box stays usable without an area, so that it can be cleared.
void frmMain::ShowTrayAvailability(bool available) {
    chkSysTray_->setEnabled(available || chkSysTray_->isChecked());
    chkSysTray_->setToolTip(
        available ? QString() : QStringLiteral("This desktop has no notification area."));
}

} // namespace bj
