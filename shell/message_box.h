#pragma once

#include <QString>

namespace bj {

enum class MsgIcon { None, Information, Question, Exclamation };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

// Every message the program shows goes through here, so tests can record and answer them.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MsgAnswer Show(
        const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons)
        = 0;
};

// The service in force: the real dialogs unless a test has installed its own.
MessageBoxService& Messages();
void SetMessages(MessageBoxService* service); // nullptr restores the real dialogs

} // namespace bj
