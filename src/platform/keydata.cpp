#include "platform/keydata.h"

#include "platform/text.h"

QListWidgetItem* addListItem(QListWidget* list, const std::string& text, long key) {
  auto* item = new QListWidgetItem(qs(text), list);
  item->setData(kKeyRole, QVariant::fromValue<qlonglong>(key));
  return item;
}

long keyOf(const QListWidgetItem* item, long none) {
  if (!item) return none;
  QVariant v = item->data(kKeyRole);
  return v.isValid() ? static_cast<long>(v.toLongLong()) : none;
}

long currentKey(const QListWidget* list, long none) {
  return list ? keyOf(list->currentItem(), none) : none;
}

int rowOfKey(const QListWidget* list, long key) {
  for (int i = 0; i < list->count(); ++i)
    if (keyOf(list->item(i)) == key) return i;
  return -1;
}

void addComboItem(QComboBox* combo, const std::string& text, long key) {
  combo->addItem(qs(text), QVariant::fromValue<qlonglong>(key));
}

long comboKey(const QComboBox* combo, int index, long none) {
  if (!combo) return none;
  if (index < 0) index = combo->currentIndex();
  if (index < 0 || index >= combo->count()) return none;
  QVariant v = combo->itemData(index);
  return v.isValid() ? static_cast<long>(v.toLongLong()) : none;
}

int comboIndexOfKey(const QComboBox* combo, long key) {
  for (int i = 0; i < combo->count(); ++i)
    if (comboKey(combo, i) == key) return i;
  return -1;
}

void setKey(QTreeWidgetItem* item, long key) {
  item->setData(0, kKeyRole, QVariant::fromValue<qlonglong>(key));
}

long keyOf(const QTreeWidgetItem* item, long none) {
  if (!item) return none;
  QVariant v = item->data(0, kKeyRole);
  return v.isValid() ? static_cast<long>(v.toLongLong()) : none;
}

QTreeWidgetItem* addTreeRow(QTreeWidget* tree, const std::vector<std::string>& cells, long key) {
  auto* item = new QTreeWidgetItem(tree);
  for (size_t i = 0; i < cells.size(); ++i) item->setText(static_cast<int>(i), qs(cells[i]));
  setKey(item, key);
  return item;
}

long currentKey(const QTreeWidget* tree, long none) {
  return tree ? keyOf(tree->currentItem(), none) : none;
}

QTreeWidgetItem* itemOfKey(const QTreeWidget* tree, long key) {
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    if (keyOf(tree->topLevelItem(i)) == key) return tree->topLevelItem(i);
  return nullptr;
}
