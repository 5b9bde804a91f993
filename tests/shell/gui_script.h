#pragma once

#include <QTimer>

#include <deque>
#include <functional>

// Acts on windows while the code under test is blocked in a modal show: each step waits
// until its condition holds, then runs its action from a fresh event, so an action that
// opens a modal window of its own does not hold up the steps after it.
class UiScript {
public:
    UiScript() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start();
    }

    UiScript& When(std::function<bool()> ready, std::function<void()> act) {
        steps_.push_back({std::move(ready), std::move(act)});
        return *this;
    }

    bool Done() const { return steps_.empty(); }
    int Remaining() const { return static_cast<int>(steps_.size()); }

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void Poll() {
        if (posted_ || steps_.empty() || !steps_.front().ready())
            return;
        posted_ = true;
        QTimer::singleShot(0, &poll_, [this, act = steps_.front().act] {
            posted_ = false;
            act();
        });
        steps_.pop_front();
    }

    QTimer poll_;
    std::deque<Step> steps_;
    bool posted_ = false;
};
