#include "app/guarded_application.h"

#include "shell/failure_catcher.h"

#include <stdexcept>

namespace bj {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        if (HandOverFailure(std::current_exception()))
            return false;
        if (onFailure)
            onFailure(failure);
    } catch (...) {
        if (onFailure)
            onFailure(std::runtime_error("unknown failure"));
    }
    return false;
}

} // namespace bj
