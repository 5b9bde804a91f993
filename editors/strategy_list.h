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

} // namespace bj
