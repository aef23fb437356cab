// The clean-up's progress window, the new-database window and the about box.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFile>
#include <QTest>

#include "core/db.h"
#include "core/globals.h"
#include "core/ui/FenkLDateiNeuDlg.h"
#include "core/ui/ZikoDbOptDlg.h"
#include "core/ui/ZikoInfoDlg.h"
#include "platform/messages.h"
#include "support/testenv.h"

namespace {

class CoreWindows : public DatabaseTest {};

TEST_F(CoreWindows, CleanupRunsOnWorkerAndClosesItself) {
  db::exec(gDbHaupt, "INSERT INTO Mscherg (Mklnr, Vrnr, Ringerg, Disznr) VALUES (1,0,5,0);");
  db::exec(gDbHaupt, "UPDATE Schuetzen SET VrNr=99 WHERE Passnr=1;");
  gEinstellungen.AktDisznr = 1;
  gEinstellungen.SchuetzenAktivFilter = 1;
  msg::ScriptedMessages boxes;
  TZikoDbOptDlg dlg;
  // ESC and the close box must not stop the running clean-up.
  QTimer::singleShot(0, &dlg, [&] {
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QCloseEvent close;
    QApplication::sendEvent(&dlg, &close);
    EXPECT_TRUE(dlg.isVisible());
  });
  EXPECT_EQ(dlg.ShowModal(), mrOk);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(boxes.count(), 0u);
  EXPECT_TRUE(db::query(gDbHaupt, "SELECT * FROM Mscherg").empty());
  EXPECT_TRUE(db::query(gDbHaupt, "SELECT * FROM Schuetzen").empty());
  EXPECT_EQ(gEinstellungen.AktDisznr, 0);
  EXPECT_EQ(gEinstellungen.SchuetzenAktivFilter, 0);
  EXPECT_TRUE(dlg.Memo1->toPlainText().contains(QStringLiteral("Zusatztexte werden durchsucht...")));
}

TEST_F(CoreWindows, FailedCleanupShowsOneBoxOnGuiThreadAndChangesNothing) {
  db::exec(gDbHaupt, "INSERT INTO Msch_in_klassen (Mklnr, Pos_in_mklnr, Disznr, Vrnr, Rmschnr) VALUES (1,1,0,55,1);");
  db::exec(gDbHaupt,
           "CREATE TRIGGER nodel BEFORE DELETE ON Msch_in_klassen BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
  msg::ScriptedMessages boxes;
  gEinstellungen.AktDisznr = 1;
  TZikoDbOptDlg dlg;
  EXPECT_EQ(dlg.ShowModal(), mrAbort);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(gEinstellungen.AktDisznr, 1) << "the settings stay as they were";
  EXPECT_EQ(boxes.shown()[0].caption, "Fehler");
  EXPECT_NE(boxes.shown()[0].text.find("gesperrt"), std::string::npos);
}

TEST_F(CoreWindows, NewDatabaseKeepsDistrictNameAndEmptiesActionList) {
  setFieldText(gEinstellungen.Gauname, "Oberland");
  db::exec(gDbAgenda, "INSERT INTO Aktion (Satzindex, Disznr) VALUES (1, 0);");
  db::exec(gDbHaupt, "INSERT INTO Vereine_gau (Nummer, Name) VALUES (9, 'weg');");
  TFenkLDateiNeuDlg dlg;
  dlg.show();
  EXPECT_NE(dlg.Label1->text().indexOf(QStringLiteral("Achtung!")), -1);
  dlg.ButtonWeiterClick();
  EXPECT_EQ(dlg.result(), mrOk);
  EXPECT_EQ(fieldText(gEinstellungen.Gauname), "Oberland");
  EXPECT_TRUE(db::query(gDbAgenda, "SELECT * FROM Aktion").empty());
  EXPECT_EQ(db::query(gDbHaupt, "SELECT Nummer FROM Vereine_gau").size(), 1u);
}

TEST_F(CoreWindows, AboutBoxShowsFourLinesAndDecodedPicture) {
  TZikoInfoDlg dlg;
  dlg.show();
  ASSERT_NE(dlg.Image1->pixmap().size(), QSize(0, 0));
  EXPECT_EQ(dlg.Label1->text().split(QLatin1Char('\n')).size(), 4);
  QFile f(QStringLiteral(":/about.jpg"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray data = f.readAll();
  QImage image = decodeJpeg(data);
  EXPECT_EQ(image.size(), QSize(320, 200));
  EXPECT_TRUE(decodeJpeg(QByteArray("not a picture")).isNull());
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
}

}  // namespace
