#include "editors/help_message.h"

#include "shell/message_box.h"

namespace bj {

void ShowHelp(const QStringList& lines, const QString& title) {
    Messages().Show(lines.join('\n'), title, MsgIcon::None, MsgButtons::Ok);
}

} // namespace bj
