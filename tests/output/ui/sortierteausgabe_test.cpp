// The commands of the sorted-output window that save, copy and print its lists, and the
// certificate window.
#include "output/ui/ZikoSortierteAusgabeUrkundendruckDlg.h"
#include "platform/messages.h"
#include "support/testenv.h"

class SortierteAusgabeTest : public DatabaseTest {};

TEST_F(SortierteAusgabeTest, CertificateWindowSaysItIsNotIncludedAndCloses) {
  TZikoSortierteAusgabeUrkundendruckDlg dlg;
  msg::ScriptedMessages messages;
  EXPECT_EQ(dlg.ShowModal(), mrCancel);
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Diese Funktion ist in dieser Version nicht enthalten.");
  EXPECT_EQ(messages.shown()[0].caption, "Info");
  EXPECT_FALSE(dlg.isVisible());
}
