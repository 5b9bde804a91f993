#pragma once

#include "shell/message_box.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace bj {

// Test double for message boxes. While it lives it is the service in force (the one it
// replaced comes back when it is destroyed). It records every message and answers from
// `answers`, front first; once the script is used up an OK box answers Ok and a Yes/No box
// answers No, the cautious choice.
class ScriptedMessages final : public MessageBoxService {
public:
    struct Shown {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
    };

    ScriptedMessages()
        : previous_(&Messages()) {
        SetMessages(this);
    }
    ~ScriptedMessages() override { SetMessages(previous_); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    MsgAnswer Show(
        const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override {
        shown.push_back({text, title, icon, buttons});
        if (onShow)
            onShow(shown.back());
        if (answers.empty())
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The texts shown so far, in order.
    QStringList Texts() const {
        QStringList texts;
        for (const Shown& s : shown)
            texts << s.text;
        return texts;
    }

    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;
    // Runs while a message is "on screen", before it is answered.
    std::function<void(const Shown&)> onShow;

private:
    MessageBoxService* previous_;
};

} // namespace bj
