#include "platform/keydata.h"

#include <QSignalBlocker>

#include "platform/text.h"

namespace {
// Every kind of item stores its key the same way.
QVariant keyData(long key) { return QVariant::fromValue<qlonglong>(key); }
long keyFrom(const QVariant& data, long none) {
  return data.isValid() ? static_cast<long>(data.toLongLong()) : none;
}
}  // namespace

QListWidgetItem* addListItem(QListWidget* list, const std::string& text, long key) {
  auto* item = new QListWidgetItem(qs(text), list);
  item->setData(kKeyRole, keyData(key));
  return item;
}

long keyOf(const QListWidgetItem* item, long none) {
  return item ? keyFrom(item->data(kKeyRole), none) : none;
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
  combo->addItem(qs(text), keyData(key));
}

long comboKey(const QComboBox* combo, int index, long none) {
  if (!combo) return none;
  if (index < 0) index = combo->currentIndex();
  if (index < 0 || index >= combo->count()) return none;
  return keyFrom(combo->itemData(index), none);
}

int comboIndexOfKey(const QComboBox* combo, long key) {
  for (int i = 0; i < combo->count(); ++i)
    if (comboKey(combo, i) == key) return i;
  return -1;
}

void setKey(QTreeWidgetItem* item, long key) {
  item->setData(0, kKeyRole, keyData(key));
}

long keyOf(const QTreeWidgetItem* item, long none) {
  return item ? keyFrom(item->data(0, kKeyRole), none) : none;
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

void chooseRow(QTreeWidget* tree, QTreeWidgetItem* item) {
  QSignalBlocker block(tree);
  tree->clearSelection();
  tree->setCurrentItem(item);
  if (item) item->setSelected(true);
}
