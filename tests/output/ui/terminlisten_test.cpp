// The schedule view and the commands of the "Terminlisten" tab on a real season.
#include <QTimer>

#include "core/helpers.h"
#include "output/terminlisten.h"
#include "output/ui/ZikoNSTerminlistenDlg.h"
#include "platform/text.h"
#include "support/terminseason.h"

class TerminlistenViewTest : public TerminSeasonTest {};

TEST_F(TerminlistenViewTest, ViewShowsTheLinesOfTheTextOnceHoweverOftenItIsShown) {
  TZikoNSTerminlistenDlg view;
  gIntdat.AnzeigeVrnr = 1;
  gIntdat.AnzeigeMklnr = 0;
  for (int i = 0; i < 2; ++i) {
    QTimer::singleShot(0, &view, [&view] { view.closeWith(mrCancel); });
    view.ShowModal();
  }
  EXPECT_EQ(fromQs(view.windowTitle()), "Terminlisten Luftgewehr, Saison 2026/27, A & B <C>");
  std::string lines;
  for (int i = 0; i < view.ListView1->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = view.ListView1->topLevelItem(i);
    lines += fromQs(item->text(0)) + "\t\t" + fromQs(item->text(1)) + "\t\t" + fromQs(item->text(2)) + "\r\n";
  }
  const std::string text = WriteTxtTerminlisten(1, 0, "A & B <C>");
  EXPECT_EQ(view.ListView1->topLevelItemCount(), 18);
  EXPECT_NE(text.find(lines), std::string::npos) << lines;
}
