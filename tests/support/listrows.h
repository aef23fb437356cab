#pragma once
// Choosing a row of a list with the mouse, as a user does.
#include <QTest>
#include <QTreeWidget>

inline QPoint rowCentre(QTreeWidget* list, int row) { return list->visualItemRect(list->topLevelItem(row)).center(); }
inline void clickRow(QTreeWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}
inline void doubleClickRow(QTreeWidget* list, int row) {
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}
