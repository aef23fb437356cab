#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include "platform/keydata.h"
#include "platform/sortablelist.h"
#include "platform/text.h"

namespace {
std::vector<std::string> column(const QTreeWidget& v, int c) {
  std::vector<std::string> out;
  for (int i = 0; i < v.topLevelItemCount(); ++i) out.push_back(fromQs(v.topLevelItem(i)->text(c)));
  return out;
}
std::vector<long> keys(const QTreeWidget& v) {
  std::vector<long> out;
  for (int i = 0; i < v.topLevelItemCount(); ++i) out.push_back(keyOf(v.topLevelItem(i)));
  return out;
}
using S = std::vector<std::string>;
using K = std::vector<long>;
}  // namespace

TEST(SortableListView, HeaderClicksSortNumbersAsNumbersAndTextIgnoringCase) {
  SortableListView v;
  v.setColumns({{"Nr.", 60, Qt::AlignRight}, {"Name", 160}});
  v.addRow({"10", "meier"}, 10);
  v.addRow({"9", "Adler"}, 9);
  v.addRow({"100", "\xD6" "zt\xFC" "rk"}, 100);
  v.addRow({"", "zander"}, 0);
  EXPECT_EQ(v.sortColumn(), -1) << "rows stay in their filling order until a click";
  EXPECT_EQ(keys(v), (K{10, 9, 100, 0}));

  v.headerClicked(0);
  EXPECT_EQ(column(v, 0), (S{"", "9", "10", "100"})) << "9 before 10: numbers, not text";
  v.headerClicked(0);
  EXPECT_EQ(column(v, 0), (S{"100", "10", "9", ""})) << "a second click reverses";
  EXPECT_FALSE(v.ascending());

  v.headerClicked(1);
  EXPECT_TRUE(v.ascending()) << "another column starts ascending";
  EXPECT_EQ(column(v, 1), (S{"Adler", "meier", "zander", "\xD6" "zt\xFC" "rk"}));
  // The keys travel with their rows.
  EXPECT_EQ(keys(v), (K{9, 10, 0, 100}));
  EXPECT_EQ(v.topLevelItem(0)->textAlignment(0) & Qt::AlignRight, Qt::AlignRight);
}

TEST(SortableListView, AClickOnTheHeaderSortsAndTheChosenRowStaysChosen) {
  SortableListView v;
  v.setColumns({{"Nr.", 60}, {"Name", 160}});
  v.addRow({"2", "b"}, 2);
  v.addRow({"1", "a"}, 1);
  v.setCurrentItem(itemOfKey(&v, 2));
  v.show();
  QHeaderView* h = v.header();
  QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionPosition(0) + 5, h->height() / 2));
  EXPECT_EQ(keys(v), (K{1, 2}));
  EXPECT_EQ(currentKey(&v), 2);
  QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionPosition(0) + 5, h->height() / 2));
  EXPECT_EQ(keys(v), (K{2, 1}));
  EXPECT_EQ(currentKey(&v), 2);
}

TEST(KeyData, ItemsCarryTheKeyOfTheirRecordNotTheirText) {
  // Two clubs of the same name: the key tells them apart.
  QListWidget list;
  addListItem(&list, "SV Tell", 7);
  addListItem(&list, "SV Tell", 12);
  list.setCurrentRow(1);
  EXPECT_EQ(currentKey(&list), 12);
  EXPECT_EQ(rowOfKey(&list, 7), 0);
  EXPECT_EQ(rowOfKey(&list, 99), -1);
  list.setCurrentRow(-1);
  EXPECT_EQ(currentKey(&list, 0), 0) << "nothing chosen: the caller's none";

  QComboBox combo;
  addComboItem(&combo, "-alle Klassen-", 0);
  addComboItem(&combo, "Kreisliga", 3);
  addComboItem(&combo, "Kreisliga", 5);
  EXPECT_EQ(comboKey(&combo), 0) << "the first item is current";
  EXPECT_EQ(comboKey(&combo, 2), 5);
  EXPECT_EQ(comboKey(&combo, 7), -1);
  EXPECT_EQ(comboIndexOfKey(&combo, 5), 2);

  QTreeWidget tree;
  QTreeWidgetItem* row = addTreeRow(&tree, {"4711", "M\xFC" "ller"}, 4711);
  EXPECT_EQ(row->text(1), QString::fromUtf16(u"Müller"));
  EXPECT_EQ(itemOfKey(&tree, 4711), row);
  EXPECT_EQ(itemOfKey(&tree, 1), nullptr);
  EXPECT_EQ(currentKey(&tree), -1);
}

TEST(ListLook, ColumnsTakeTheirContentShareTheRoomLeftAndScrollSidewaysWhenItRunsOut) {
  SortableListView v;
  v.setColumns({{"Nr.", 30, Qt::AlignRight}, {"Verein", 30}, {"Schnitt", 30, Qt::AlignRight}});
  v.addRow({"1", "\xC4rmin", "1488.25"}, 1);
  v.resize(500, 200);
  v.show();
  QCoreApplication::processEvents();
  QHeaderView* h = v.header();
  const int room = v.viewport()->width();
  EXPECT_EQ(h->sectionSize(0) + h->sectionSize(1) + h->sectionSize(2), room) << "the room is shared out whole";
  EXPECT_GT(h->sectionSize(1), room / 2) << "what is left goes to the name";
  EXPECT_LT(h->sectionSize(2), room / 4) << "a number column keeps the width of its content";

  const std::string longName(80, 'W');
  QTreeWidgetItem* wide = v.addRow({"2", longName, "1474.00"}, 2);
  QCoreApplication::processEvents();
  const QFontMetrics fm(v.font());
  EXPECT_GT(h->sectionSize(1), fm.horizontalAdvance(qs(longName))) << "a name wider than the view is not cut";
  EXPECT_GE(h->sectionSize(2), fm.horizontalAdvance(QStringLiteral("1474.00")) + 4);
  EXPECT_TRUE(v.horizontalScrollBar()->isVisible()) << "the view scrolls sideways instead";

  // Capital umlauts keep their dots: the row is taller than the letters' ink.
  EXPECT_GT(v.visualItemRect(wide).height(), fm.boundingRect(QStringLiteral("\u00C4g")).height() + 2);

  // A column narrowed by hand shows its cut text whole as the tooltip.
  h->resizeSection(1, 40);
  const QRect cell = v.visualRect(v.model()->index(1, 1));
  QHelpEvent help(QEvent::ToolTip, cell.center(), v.viewport()->mapToGlobal(cell.center()));
  QCoreApplication::sendEvent(v.viewport(), &help);
  EXPECT_EQ(fromQs(QToolTip::text()), longName);
}
