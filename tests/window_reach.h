#pragma once

#include <QList>
#include <QScrollArea>
#include <QTest>
#include <QWidget>

namespace bj::test {

// Where the control lies in the window.
inline QRect PlaceIn(const QWidget& window, const QWidget* control) {
    return {control->mapTo(&window, QPoint()), control->size()};
}

// The width a layout may not go below: the one set, or else the one the control asks for.
inline int LeastWidth(const QWidget* control) {
    return control->minimumWidth() > 0 ? control->minimumWidth()
                                       : control->minimumSizeHint().width();
}

// Every control can be scrolled into the window whole, no narrower than its caption needs, and
// none overlaps another.
inline void CheckReachable(QWidget& window, const QList<QWidget*>& controls) {
    auto* area = window.findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(area);
    for (QWidget* control : controls) {
        area->ensureWidgetVisible(control, 0, 0);
        QVERIFY2(window.rect().contains(PlaceIn(window, control))
                && control->width() >= LeastWidth(control),
            qPrintable(control->objectName()));
    }
    for (QWidget* control : controls)
        for (QWidget* other : controls)
            QVERIFY(
                other == control || !PlaceIn(window, control).intersects(PlaceIn(window, other)));
}

} // namespace bj::test
