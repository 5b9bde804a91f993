#include "editors/strategy_corrections.h"

#include "shell/message_box.h"
#include "store/loaded_values.h"

namespace bj {

void ReportCorrections(AppContext& ctx, const QString& kind, std::int64_t refNo,
    const std::string& name, const std::vector<std::string>& corrections, bool savedOver) {
    if (corrections.empty())
        return;
    const std::string listed = CorrectionsText(corrections, "\n");
    const std::string shownKey = kind.toStdString() + ' ' + std::to_string(refNo) + ' ' + listed;
    if (!ctx.correctionsShown.insert(shownKey).second)
        return;
    const QString kept = savedOver
        ? QStringLiteral("The file keeps the stored values until you save the strategy.")
        : QStringLiteral("The file keeps the stored values; save the strategy under another "
                         "name to keep these.");
    Messages().Show(
        QStringLiteral("The %1 \"%2\" holds values the program cannot use, so they "
                       "were corrected:\n\n%3\n\n%4")
            .arg(kind, QString::fromStdString(name), QString::fromStdString(listed), kept),
        QStringLiteral("Strategy Corrected"), MsgIcon::Information, MsgButtons::Ok);
}

} // namespace bj
