#pragma once

#include "table/tray_icon.h"

#include <map>

namespace bj::test {

// A notification area held in memory. While it lives it is the area in force.
class FakeTray final : public NotificationArea {
public:
    explicit FakeTray(bool available = false)
        : available_(available)
        , previous_(SetTrayArea(this)) { }
    ~FakeTray() override { SetTrayArea(previous_); }
    FakeTray(const FakeTray&) = delete;
    FakeTray& operator=(const FakeTray&) = delete;

    bool Available() const override { return available_; }
    void Add(const TrayIconRecord& icon) override { icons[icon.id] = icon; }
    void Remove(const TrayIconRecord& icon) override { icons.erase(icon.id); }

    void SetAvailable(bool available) {
        available_ = available;
        emit AvailabilityChanged(available);
    }
    void Mouse(int message) { emit MouseMessage(message); }

    std::map<int, TrayIconRecord> icons; // by id

private:
    bool available_;
    NotificationArea* previous_;
};

} // namespace bj::test
