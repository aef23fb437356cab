#pragma once
// List and combo items carry the key of their record (Nr, Nummer, Passnr). A record is
// never looked up by its display text or its position in a list.
#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>
#include <string>
#include <vector>

inline constexpr int kKeyRole = Qt::UserRole + 1;

QListWidgetItem* addListItem(QListWidget* list, const std::string& text, long key);
long keyOf(const QListWidgetItem* item, long none = -1);
// Key of the current item, or none when nothing is chosen.
long currentKey(const QListWidget* list, long none = -1);
int rowOfKey(const QListWidget* list, long key);  // -1 when absent

void addComboItem(QComboBox* combo, const std::string& text, long key);
long comboKey(const QComboBox* combo, int index = -1, long none = -1);  // -1: current
int comboIndexOfKey(const QComboBox* combo, long key);                 // -1 when absent

void setKey(QTreeWidgetItem* item, long key);
long keyOf(const QTreeWidgetItem* item, long none = -1);
// A row of a report-style tree or list view: one text per column, the key on column 0.
QTreeWidgetItem* addTreeRow(QTreeWidget* tree, const std::vector<std::string>& cells, long key);
long currentKey(const QTreeWidget* tree, long none = -1);
QTreeWidgetItem* itemOfKey(const QTreeWidget* tree, long key);  // top-level rows; nullptr when absent
// Makes item (or none) the current and only selected row, without the tree's signals.
void chooseRow(QTreeWidget* tree, QTreeWidgetItem* item);
