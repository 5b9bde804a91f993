#include "editors/strategy_list.h"

#include "shell/message_box.h"

#include <QComboBox>

namespace bj {

void ReportStoreFailure(const QString& what, const StoreError& error) {
    Messages().Show(what + "\n" + QString::fromStdString(error.what()), "Database Error",
        MsgIcon::Information, MsgButtons::Ok);
}

void ListStrategyNames(QComboBox* combo, const std::vector<NamedRef>& entries) {
    combo->blockSignals(true);
    combo->clear();
    for (const NamedRef& entry : entries)
        combo->addItem(QString::fromStdString(entry.Name), qlonglong {entry.RefNo});
    combo->setCurrentIndex(-1);
    combo->blockSignals(false);
}

} // namespace bj
