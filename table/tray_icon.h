#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QWidget;

namespace bj {

// The icon's mouse messages, by the numbers the table window knows them by.
enum TrayMouseMessage : int {
    kTrayLeftDown = 513,
    kTrayLeftUp = 514,
    kTrayLeftDouble = 515,
    kTrayRightDown = 516,
    kTrayRightUp = 517,
    kTrayRightDouble = 518
};

// "LeftDown" .. "RightDouble" for 513 .. 518; empty for any other number.
QString TrayMouseName(int message);

// One icon of the notification area; adding and deleting use the same record.
struct TrayIconRecord {
    int id = 1;
    QIcon icon;
    QString tip;
};

// The desktop's notification area. The program uses the platform's; tests put in their own.
class NotificationArea : public QObject {
    Q_OBJECT

public:
    virtual bool Available() const = 0;
    // Adding an icon that is there already changes it; there is never a second one.
    virtual void Add(const TrayIconRecord& icon) = 0;
    virtual void Remove(const TrayIconRecord& icon) = 0;

signals:
    void MouseMessage(int message);
    // The area has appeared or gone away (a panel started, restarted or ended).
    void AvailabilityChanged(bool available);
};

// The area in force: the platform's unless a test has put in its own.
NotificationArea& TrayArea();
// nullptr restores the platform's; returns the area put in before, nullptr for the platform's.
NotificationArea* SetTrayArea(NotificationArea* area);

// The window's icon, with its caption as the tip.
TrayIconRecord TrayRecord(const QWidget& window);
void AddTrayIcon(const QWidget& window);
void RemoveTrayIcon(const QWidget& window);

} // namespace bj
