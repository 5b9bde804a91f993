#include "shell/control_hooks.h"

#include "shell/input_helpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace bj {

int TypedCharacter(const QKeyEvent* key) {
    const Qt::KeyboardModifiers held = key->modifiers();
    if ((held & Qt::ControlModifier) && !(held & Qt::AltModifier))
        return 0;
    const QString text = key->text();
    if (text.isEmpty())
        return 0;
    const int c = text.at(0).unicode();
    return text.size() > 1 || c == 8 || c == 13 || (c >= 32 && c != 127) ? c : 0;
}

namespace {

class KeyFilterHook final : public QObject {
public:
    KeyFilterHook(QObject* parent, KeyFilter filter)
        : QObject(parent)
        , filter_(filter) { }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (TypedCharacter(key) == 0)
            return false;
        for (const QChar c : key->text())
            if (filter_(c.unicode()) == 0)
                return true;
        return false;
    }

private:
    KeyFilter filter_;
};

class F1HelpHook final : public QObject {
public:
    F1HelpHook(QObject* parent, const QString& text, const QString& title, MsgIcon icon)
        : QObject(parent)
        , text_(text)
        , title_(title)
        , icon_(icon) {
        setObjectName(QStringLiteral("F1HelpHook"));
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress
            || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        Messages().Show(text_, title_, icon_, MsgButtons::Ok);
        return true;
    }

private:
    QString text_;
    QString title_;
    MsgIcon icon_;
};

bool IsEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && !(key->modifiers() & ~Qt::KeypadModifier);
}

bool IsEscape(const QKeyEvent* key) {
    return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
}

// The window's default or cancel button, pressed by its key.
class WindowButtonHook final : public QObject {
public:
    WindowButtonHook(QObject* parent, QPushButton* button, bool (*isItsKey)(const QKeyEvent*))
        : QObject(parent)
        , button_(button)
        , isItsKey_(isItsKey) { }

protected:
    // Keys a control leaves alone travel up to its window, and so through here.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !button_)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isItsKey_(key))
            return false;
        key->accept();
        if (button_->isEnabled() && button_->isVisible())
            button_->click();
        return true;
    }

private:
    QPointer<QPushButton> button_;
    bool (*isItsKey_)(const QKeyEvent*);
};

// Sees the key before the button, which would pass it up to the window's default button.
class FocusedButtonEnterHook final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || qobject_cast<QDialog*>(button->window())
            || !IsEnter(static_cast<QKeyEvent*>(event)))
            return false;
        event->accept();
        if (button->isEnabled() && button->isVisible())
            button->click();
        return true;
    }
};

class SelectAllHook final : public QObject {
public:
    explicit SelectAllHook(QLineEdit* box)
        : QObject(box) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            away_ = !LeftWithinWindow(event);
        } else if (event->type() == QEvent::Hide) {
            away_ = false;
        } else if (event->type() == QEvent::FocusIn && !std::exchange(away_, false)) {
            auto* box = static_cast<QLineEdit*>(watched);
            SelectAllText(box);
            // A mouse click places the cursor after the focus arrives; select again then.
            QTimer::singleShot(0, box, [box] { SelectAllText(box); });
        }
        return false;
    }

private:
    bool away_ = false; // the focus went elsewhere for a while and will come back
};

void RemoveHelp(QWidget* control) {
    for (QObject* old :
        control->findChildren<QObject*>(QStringLiteral("F1HelpHook"), Qt::FindDirectChildrenOnly))
        delete old;
}

} // namespace

void InstallKeyFilter(QLineEdit* box, KeyFilter filter) {
    if (box && filter)
        box->installEventFilter(new KeyFilterHook(box, filter));
}

void InstallMoneyKeyFilter(QLineEdit* box) {
    InstallKeyFilter(box, &MoneyKeyFilter);
}

void InstallDigitKeyFilter(QLineEdit* box) {
    InstallKeyFilter(box, &DigitKeyFilter);
}

void InstallF1Help(QWidget* control, const QString& text, const QString& title, MsgIcon icon) {
    if (!control)
        return;
    QWidget* targets[] = {control, nullptr};
    if (auto* combo = qobject_cast<QComboBox*>(control))
        targets[1] = combo->lineEdit();
    for (QWidget* target : targets) {
        if (!target)
            continue;
        RemoveHelp(target);
        target->installEventFilter(new F1HelpHook(target, text, title, icon));
    }
}

void InstallDefaultButton(QWidget* window, QPushButton* button) {
    if (!window || !button)
        return;
    button->setDefault(true);
    window->installEventFilter(new WindowButtonHook(window, button, &IsEnter));
}

void InstallCancelButton(QWidget* window, QPushButton* button) {
    if (window && button)
        window->installEventFilter(new WindowButtonHook(window, button, &IsEscape));
}

void InstallEnterPressesFocusedButton() {
    static const QString kName = QStringLiteral("EnterPressesFocusedButton");
    QCoreApplication* app = QCoreApplication::instance();
    if (app->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly))
        return;
    auto* hook = new FocusedButtonEnterHook(app);
    hook->setObjectName(kName);
    app->installEventFilter(hook);
}

bool LeftWithinWindow(const QEvent* focusOut) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(focusOut)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

void InstallSelectAllOnFocus(QLineEdit* box) {
    if (box)
        box->installEventFilter(new SelectAllHook(box));
}

} // namespace bj
