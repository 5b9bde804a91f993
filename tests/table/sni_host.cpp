// A stand-in for a D-Bus notification area (StatusNotifierWatcher with a host), for
// tray_check.sh: the toolkit puts the table's icon here instead of into an X tray. Standard
// output says when it watches and which item registered; each line on standard input,
// "activate" or "menu", clicks the item as such a desktop's panel does.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QSocketNotifier>
#include <QString>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class Watcher final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)

public:
    explicit Watcher(QObject* parent)
        : QDBusAbstractAdaptor(parent) { }

    bool HostRegistered() const { return true; }
    QString Item() const { return item_; }

public slots:
    void RegisterStatusNotifierItem(const QString& service) {
        item_ = service;
        Say(QStringLiteral("item ") + service);
    }

private:
    QString item_;
};

void Click(const Watcher& watcher, const QString& method) {
    QDBusMessage call
        = QDBusMessage::createMethodCall(watcher.Item(), QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.kde.StatusNotifierItem"), method);
    call << 0 << 0;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    Say(QStringLiteral("%1 %2").arg(method,
        reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage()
                                                   : QStringLiteral("sent")));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QObject root;
    auto* watcher = new Watcher(&root);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &root)
        || !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        Say(QStringLiteral("no session bus: ") + bus.lastError().message());
        return 1;
    }
    Say(QStringLiteral("watching"));

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line))
            return QCoreApplication::quit();
        if (line == "activate")
            Click(*watcher, QStringLiteral("Activate"));
        else if (line == "menu")
            Click(*watcher, QStringLiteral("ContextMenu"));
    });
    return QCoreApplication::exec();
}

#include "sni_host.moc"
