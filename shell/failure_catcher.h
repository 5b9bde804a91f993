#pragma once

#include <exception>

namespace bj {

// A failure that a handler throws while a long task processes events belongs to that task,
// as it would if the handler had been called from the task itself: while a catcher lives,
// the program's event guard hands such failures to it instead of ending the program. The
// task looks at `failure` after each turn of events. Catchers nest; the newest takes.
class FailureCatcher {
public:
    FailureCatcher();
    ~FailureCatcher();
    FailureCatcher(const FailureCatcher&) = delete;
    FailureCatcher& operator=(const FailureCatcher&) = delete;

    // Throws the first failure handed over, if any, and forgets it.
    void RethrowCaught();

    std::exception_ptr failure;

private:
    FailureCatcher* outer_;
};

// Gives the failure to the newest catcher; false when there is none.
bool HandOverFailure(std::exception_ptr failure);

} // namespace bj
