#include "table/tray_icon.h"

#include <QApplication>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <array>

namespace bj {
namespace {

// How often the platform's area is asked whether it is still there: no toolkit signal says so.
constexpr int kAvailabilityPollMs = 1000;

class PlatformNotificationArea final : public NotificationArea {
public:
    PlatformNotificationArea()
        : available_(QSystemTrayIcon::isSystemTrayAvailable()) {
        connect(&poll_, &QTimer::timeout, this, &PlatformNotificationArea::CheckAvailable);
        poll_.start(kAvailabilityPollMs);
    }

    bool Available() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

    void Add(const TrayIconRecord& record) override {
        if (!icon_) {
            icon_ = new QSystemTrayIcon(this);
            connect(icon_, &QSystemTrayIcon::activated, this, &PlatformNotificationArea::Activated);
        }
        icon_->setIcon(record.icon);
        icon_->setToolTip(record.tip);
        icon_->show();
    }

    void Remove(const TrayIconRecord&) override {
        if (icon_)
            icon_->hide();
    }

private:
    // The toolkit reports each gesture once; the window gets the message that completes it.
    // A D-Bus notification area, which keeps the icon's place to itself, reports clicks only
    // as activations and never a double click: there an activation restores as one would.
    void Activated(QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            emit MouseMessage(icon_->geometry().isEmpty() ? kTrayLeftDouble : kTrayLeftUp);
            break;
        case QSystemTrayIcon::DoubleClick:
            emit MouseMessage(kTrayLeftDouble);
            break;
        case QSystemTrayIcon::Context:
            emit MouseMessage(kTrayRightUp);
            break;
        default:
            break;
        }
    }

    void CheckAvailable() {
        const bool now = QSystemTrayIcon::isSystemTrayAvailable();
        if (now == available_)
            return;
        available_ = now;
        emit AvailabilityChanged(now);
    }

    bool available_;
    QTimer poll_;
    QSystemTrayIcon* icon_ = nullptr;
};

NotificationArea* replacement = nullptr;

} // namespace

QString TrayMouseName(int message) {
    static const std::array<const char*, 6> names
        = {"LeftDown", "LeftUp", "LeftDouble", "RightDown", "RightUp", "RightDouble"};
    if (message < kTrayLeftDown || message > kTrayRightDouble)
        return {};
    return QString::fromLatin1(names[message - kTrayLeftDown]);
}

NotificationArea& TrayArea() {
    if (replacement)
        return *replacement;
    // Owned by the application, so that the icon goes before the toolkit does.
    static QPointer<PlatformNotificationArea> platform;
    if (!platform) {
        platform = new PlatformNotificationArea;
        platform->setParent(qApp);
    }
    return *platform;
}

NotificationArea* SetTrayArea(NotificationArea* area) {
    NotificationArea* previous = replacement;
    replacement = area;
    return previous;
}

TrayIconRecord TrayRecord(const QWidget& window) {
    return {1, window.windowIcon(), window.windowTitle()};
}

void AddTrayIcon(const QWidget& window) {
    TrayArea().Add(TrayRecord(window));
}

void RemoveTrayIcon(const QWidget& window) {
    TrayArea().Remove(TrayRecord(window));
}

} // namespace bj
