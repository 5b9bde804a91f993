#pragma once

#include <QApplication>

#include <exception>
#include <functional>

namespace bj {

// A failure thrown out of a window's handler must not unwind through the toolkit's event
// loop; it is caught where the event was delivered and handed to the task that is processing
// events (a FailureCatcher), or else to `onFailure`.
class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    std::function<void(const std::exception&)> onFailure;
};

} // namespace bj
