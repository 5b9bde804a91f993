#pragma once

#include <QTest>

#include <initializer_list>
#include <utility>

namespace bj::test {

// Data rows that each hold a whole case, a tuple read back whole by Case<T>().
template <class T> void CaseRows(std::initializer_list<std::pair<const char*, T>> rows) {
    QTest::addColumn<T>("case");
    for (const auto& [name, row] : rows)
        QTest::newRow(name) << row;
}
template <class T> T Case() {
    return *static_cast<T*>(QTest::qData("case", qMetaTypeId<T>()));
}

} // namespace bj::test
