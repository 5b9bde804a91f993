#include "editors/strategy_list.h"

#include "shell/message_box.h"
#include "store/protected_defaults.h"

#include <QComboBox>
#include <QSignalBlocker>

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

void SelectListEntry(QComboBox* combo, int index) {
    combo->blockSignals(true);
    combo->setCurrentIndex(-1);
    combo->blockSignals(false);
    combo->setCurrentIndex(index);
}

void ReturnToPreviousEntry(QComboBox* combo, int previous) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(ClampListIndex(previous, combo->count()));
}

} // namespace bj
