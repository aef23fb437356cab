#include "platform/sortablelist.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/keydata.h"
#include "platform/listlook.h"
#include "platform/text.h"

SortableListView::SortableListView(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  header()->setSectionsClickable(true);
  header()->setSortIndicatorShown(false);
  connect(header(), &QHeaderView::sectionClicked, this, &SortableListView::headerClicked);
  giveListLook(this);
}

void SortableListView::setColumns(const std::vector<Column>& columns) {
  clear();
  alignments_.clear();
  QStringList captions;
  for (const Column& c : columns) {
    captions << qs(c.caption);
    alignments_.push_back(c.alignment | Qt::AlignVCenter);
  }
  setColumnCount(static_cast<int>(columns.size()));
  setHeaderLabels(captions);
  for (size_t i = 0; i < columns.size(); ++i) {
    setColumnWidth(static_cast<int>(i), columns[i].width);
    headerItem()->setTextAlignment(static_cast<int>(i), alignments_[i]);
  }
  sortColumn_ = -1;
  header()->setSortIndicatorShown(false);
}

QTreeWidgetItem* SortableListView::addRow(const std::vector<std::string>& cells, long key) {
  QTreeWidgetItem* item = addTreeRow(this, cells, key);
  for (size_t i = 0; i < cells.size() && i < alignments_.size(); ++i)
    item->setTextAlignment(static_cast<int>(i), alignments_[i]);
  return item;
}

void SortableListView::setRowColours(const QColor& even, const QColor& odd) {
  QPalette p = palette();
  p.setColor(QPalette::Base, even);
  p.setColor(QPalette::AlternateBase, odd);
  setPalette(p);
  setAlternatingRowColors(true);
}

void SortableListView::setRowBold(QTreeWidgetItem* item, bool bold) {
  for (int c = 0; c < item->columnCount(); ++c) {
    QFont f = item->font(c);
    f.setBold(bold);
    item->setFont(c, f);
  }
}

void SortableListView::headerClicked(int column) {
  sortBy(column, column == sortColumn_ ? !ascending_ : true);
}

bool SortableListView::lessThan(const QTreeWidgetItem* a, const QTreeWidgetItem* b, int column) {
  if (column == 0) return toLong(fromQs(a->text(0))) < toLong(fromQs(b->text(0)));
  return a->text(column).compare(b->text(column), Qt::CaseInsensitive) < 0;
}

void SortableListView::sortBy(int column, bool ascending) {
  if (column < 0 || column >= columnCount()) return;
  sortColumn_ = column;
  ascending_ = ascending;
  QTreeWidgetItem* currentItemBefore = currentItem();
  // Sorting moves rows, it chooses none: the current row stays and nobody hears of it.
  QSignalBlocker block(this);
  QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
  // Stable, so rows that compare equal keep their order in either direction.
  std::stable_sort(rows.begin(), rows.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
    return ascending ? lessThan(a, b, column) : lessThan(b, a, column);
  });
  invisibleRootItem()->addChildren(rows);
  if (currentItemBefore) setCurrentItem(currentItemBefore);
  header()->setSortIndicatorShown(true);
  header()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}
