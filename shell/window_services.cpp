#include "shell/window_services.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace bj {
namespace {

// Ends a nested loop when its window hides or goes away.
class HideWatcher final : public QObject {
public:
    HideWatcher(QWidget* window, QEventLoop& loop)
        : loop_(loop) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !static_cast<QWidget*>(watched)->isVisible())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

void SetModality(QWidget* window, Qt::WindowModality modality) {
    if (window->windowModality() == modality)
        return;
    const bool wasVisible = window->isVisible();
    if (wasVisible)
        window->hide();
    window->setWindowModality(modality);
    if (wasVisible)
        window->show();
}

} // namespace

void ShowModal(QWidget* window) {
    if (!window)
        return;
    QPointer<QWidget> guard(window);
    SetModality(window, Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
    if (!guard || !guard->isVisible())
        return;
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}

void ShowModeless(QWidget* window) {
    if (!window)
        return;
    SetModality(window, Qt::NonModal);
    window->show();
    window->raise();
    window->activateWindow();
}

void KeepInFrontOf(QWidget* window, QWidget* owner) {
    if (!window || !owner)
        return;
    // Window managers keep only dialogs in front of their owner.
    if (window->windowType() == Qt::Window && !window->isVisible())
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    // The toolkit tells the window manager at each showing, so the link is made beforehand.
    window->winId();
    owner->window()->winId();
    window->windowHandle()->setTransientParent(owner->window()->windowHandle());
}

QWidget* WindowInFrontOf(const QWidget* owner) {
    const QWindow* handle = owner ? owner->windowHandle() : nullptr;
    if (!handle)
        return nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowHandle()
            && window->windowHandle()->transientParent() == handle)
            return window;
    return nullptr;
}

void ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QString AppTitle() {
    return QStringLiteral(BJ_APP_TITLE);
}
int AppVersionMajor() {
    return BJ_VERSION_MAJOR;
}
int AppVersionMinor() {
    return BJ_VERSION_MINOR;
}
int AppVersionRevision() {
    return BJ_VERSION_REVISION;
}

QString AppVersionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(AppVersionMajor())
        .arg(AppVersionMinor())
        .arg(AppVersionRevision());
}

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

} // namespace bj
