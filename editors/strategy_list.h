#pragma once

#include "store/store_error.h"
#include "store/strategy_records.h"

#include <QString>
#include <vector>

class QComboBox;

namespace bj {

// What the three editors share about the stored strategies they list.

// "Database Error": what could not be done, then the store's own words.
void ReportStoreFailure(const QString& what, const StoreError& error);

// Puts the names in the list, item data Ref_No, with its signals held back and nothing
// selected, so that the caller chooses which click runs.
void ListStrategyNames(QComboBox* combo, const std::vector<NamedRef>& entries);
// Selects the entry at `index` so that its click runs once, even when it was selected before.
void SelectListEntry(QComboBox* combo, int index);

// A strategy picked from the list that cannot be read is not taken: the list goes back to the
// entry at `previous`, held to the list, without running its click.
void ReturnToPreviousEntry(QComboBox* combo, int previous);

} // namespace bj
