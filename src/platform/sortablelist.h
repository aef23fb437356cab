#pragma once
// A report-style list view whose column headers sort it: a click on another column sorts
// ascending by that column, a click on the sorted column reverses the direction. The first
// column compares as integers (its leading digits), the others as text ignoring case.
// Rows carry the key of their record (platform/keydata.h); columns fit their content and
// the rows look as every list does (platform/listlook.h).
#include <QTreeWidget>
#include <string>
#include <vector>

class SortableListView : public QTreeWidget {
  Q_OBJECT
 public:
  struct Column {
    std::string caption;
    int width = 80;  // until the rows are measured (platform/listlook.h)
    Qt::Alignment alignment = Qt::AlignLeft;
  };

  explicit SortableListView(QWidget* parent = nullptr);

  // Replaces the columns (and removes every row).
  void setColumns(const std::vector<Column>& columns);
  // Appends a row with the columns' alignment; key -1 for none.
  QTreeWidgetItem* addRow(const std::vector<std::string>& cells, long key = -1);

  // Rows on alternating backgrounds, counted from the first row shown (index 0: even).
  void setRowColours(const QColor& even, const QColor& odd);
  // Marks a row as a heading or sum row, drawn bold in every column.
  static void setRowBold(QTreeWidgetItem* item, bool bold);

  // What a header click does.
  void headerClicked(int column);
  void sortBy(int column, bool ascending);
  int sortColumn() const { return sortColumn_; }  // -1 while unsorted
  bool ascending() const { return ascending_; }

  // Column 0 by its number, every other column by its text without regard to case.
  static bool lessThan(const QTreeWidgetItem* a, const QTreeWidgetItem* b, int column);

 private:
  std::vector<Qt::Alignment> alignments_;
  int sortColumn_ = -1;
  bool ascending_ = true;
};
