#pragma once

#include <string_view>
#include <vector>

namespace bj {

struct TableColumns {
    std::string_view Table;
    std::vector<std::string_view> Columns;
};

// The four tables in creation order, with their columns in order.
const std::vector<TableColumns>& StrategyTables();

// CREATE TABLE statements for a new file.
std::string_view StrategySchemaSql();

} // namespace bj
