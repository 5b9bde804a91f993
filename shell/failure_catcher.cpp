#include "shell/failure_catcher.h"

namespace bj {
namespace {

FailureCatcher* newest = nullptr;

} // namespace

FailureCatcher::FailureCatcher()
    : outer_(newest) {
    newest = this;
}

FailureCatcher::~FailureCatcher() {
    newest = outer_;
}

void FailureCatcher::RethrowCaught() {
    if (!failure)
        return;
    std::exception_ptr caught = failure;
    failure = nullptr;
    std::rethrow_exception(caught);
}

bool HandOverFailure(std::exception_ptr failure) {
    if (!newest)
        return false;
    if (!newest->failure)
        newest->failure = failure;
    return true;
}

} // namespace bj
