#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace {

class TestDlg : public ZDialog {
 public:
  TestDlg() {
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{first, second, notes, label, button}) layout->addWidget(w);
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
    bindKey(Qt::Key_F2, [this] { ++f2; });
    setHelpTopic("ZikoTest.html");
  }
  bool previewKey(int key, Qt::KeyboardModifiers m) override {
    if (key == Qt::Key_A) ++previewedA;
    return ZDialog::previewKey(key, m);
  }

  QLineEdit* first = new QLineEdit;
  QLineEdit* second = new QLineEdit;
  QPlainTextEdit* notes = new QPlainTextEdit;
  QLabel* label = new QLabel(QStringLiteral("Hinweis"));
  QPushButton* button = new QPushButton(QStringLiteral("Speichern F2"));
  int clicks = 0, f2 = 0, previewedA = 0, shows = 0, hides = 0;
  bool closable = true;
  std::function<void()> onShow;

 protected:
  void FormShow() override {
    ++shows;
    if (onShow) onShow();
  }
  void FormHide() override { ++hides; }
  bool canClose() override { return closable; }
};

void showActive(QWidget* w) {
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

// Runs the dialog modally while `whileOpen` plays the user.
int runModal(ZDialog& dlg, std::function<void()> whileOpen) {
  QTimer::singleShot(0, &dlg, [&] {
    whileOpen();
    // A dialog the user could not close is closed here so the test goes on.
    if (dlg.isVisible()) QTimer::singleShot(0, &dlg, [&] { dlg.closeWith(99); });
  });
  return dlg.ShowModal();
}

}  // namespace

TEST(DialogKeys, EnterMovesToTheNextControlAndNeverPressesAButton) {
  TestDlg dlg;
  showActive(&dlg);
  dlg.first->setFocus();
  QTest::keyClick(dlg.first, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), dlg.second);
  QTest::keyClick(dlg.second, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(QApplication::focusWidget(), dlg.notes);

  // A multi-line field takes Enter as a line break, but Tab moves on.
  QTest::keyClick(dlg.notes, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), dlg.notes);
  EXPECT_EQ(dlg.notes->toPlainText(), QStringLiteral("\n"));
  QTest::keyClick(dlg.notes, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), dlg.notes);
  EXPECT_EQ(dlg.notes->toPlainText(), QStringLiteral("\n"));

  dlg.button->setEnabled(true);
  dlg.button->setFocus();
  QTest::keyClick(dlg.button, Qt::Key_Return);
  EXPECT_EQ(dlg.clicks, 0);
  EXPECT_NE(QApplication::focusWidget(), dlg.button);
  dlg.button->setFocus();
  QTest::keyClick(dlg.button, Qt::Key_Space);
  EXPECT_EQ(dlg.clicks, 1);
}

TEST(DialogPlacement, ACompanionOfAWindowAtTheRightScreenEdgeStaysOnTheScreen) {
  TestDlg owner;
  owner.show();
  const QRect area = owner.screen()->availableGeometry();
  owner.move(area.right() - owner.frameGeometry().width() + 1, area.top() + 10);
  TestDlg companion;
  companion.move(owner.frameGeometry().topRight() + QPoint(8, 0));
  companion.showBeside(&owner);
  EXPECT_TRUE(area.contains(companion.frameGeometry())) << "companion at " << companion.x() << "," << companion.y();
}

TEST(DialogPlacement, AWindowOpensBesideItsOwnerAndReopensWhereItWasClosed) {
  TestDlg owner;
  const QRect area = owner.screen()->availableGeometry();
  owner.move(area.topLeft());
  owner.show();
  TestDlg companion;
  companion.showBeside(&owner);
  EXPECT_GE(companion.x(), owner.frameGeometry().right()) << "beside its owner, not at the screen's corner";
  EXPECT_TRUE(area.contains(companion.frameGeometry()));

  // Closed where the user left it, it opens there again, wherever its owner went since.
  companion.move(area.left() + 300, area.top() + 200);
  companion.hide();
  owner.move(area.left() + 100, area.top() + 50);
  companion.show();
  EXPECT_EQ(companion.frameGeometry().topLeft(), QPoint(area.left() + 300, area.top() + 200));
}

TEST(DialogMessages, ALineBreakOfTheProgramIsOneLineBreak) {
  msg::Responder scripted = msg::setResponder(nullptr);
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->done(0);
    }
  });
  msg::show("Nr. 2\n\rschon vorhanden!", "Meldung", msg::Ok, msg::Information);
  msg::setResponder(scripted);
  EXPECT_EQ(shown, QStringLiteral("Nr. 2\nschon vorhanden!"));
}

TEST(DialogKeys, FunctionKeysCallTheirHandlerWhateverTheButtonStateOnce) {
  TestDlg dlg;
  showActive(&dlg);
  dlg.first->setFocus();
  QTest::keyClick(dlg.first, Qt::Key_F2);
  EXPECT_EQ(dlg.f2, 1);
  EXPECT_FALSE(dlg.button->isEnabled());
  EXPECT_TRUE(dlg.pressKey(Qt::Key_F2));
  EXPECT_FALSE(dlg.pressKey(Qt::Key_F9));
  EXPECT_EQ(dlg.f2, 2);

  // A key no control wants travels up to the window; it is still previewed only once.
  QTest::keyClick(dlg.label, Qt::Key_A);
  EXPECT_EQ(dlg.previewedA, 1);
  QTest::keyClick(dlg.first, Qt::Key_A);
  EXPECT_EQ(dlg.previewedA, 2);
  EXPECT_EQ(dlg.first->text(), QStringLiteral("a"));
}

TEST(DialogClosing, EscAndTheCloseBoxGiveCancelUnlessTheDialogRefuses) {
  TestDlg dlg;
  EXPECT_EQ(runModal(dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); }), mrCancel);
  EXPECT_EQ(dlg.shows, 1);
  EXPECT_EQ(dlg.hides, 1);
  EXPECT_EQ(runModal(dlg, [&] { dlg.close(); }), mrCancel);
  EXPECT_EQ(runModal(dlg, [&] { dlg.closeWith(mrOk); }), mrOk);
  EXPECT_EQ(dlg.shows, 3) << "FormShow runs on every showing";

  dlg.closable = false;
  EXPECT_EQ(runModal(dlg, [&] {
              QTest::keyClick(&dlg, Qt::Key_Escape);
              dlg.close();
            }),
            99)
      << "ESC and the close box were refused";
  dlg.closable = true;
  dlg.setUserClosable(false);
  EXPECT_EQ(runModal(dlg, [&] {
              QTest::keyClick(&dlg, Qt::Key_Escape);
              dlg.close();
            }),
            99);
  EXPECT_EQ(runModal(dlg, [&] { dlg.closeWith(mrOk); }), mrOk) << "the dialog still closes itself";
}

namespace {
// The editing-dialog transaction on a plain SQLite file.
struct SqlTransaction : EditTransaction {
  explicit SqlTransaction(sqlite3* db) : db(db) { sqlite3_exec(db, "BEGIN TRANSACTION;", nullptr, nullptr, nullptr); }
  ~SqlTransaction() override {
    if (!done) sqlite3_exec(db, "ROLLBACK TRANSACTION;", nullptr, nullptr, nullptr);
  }
  bool commit() override {
    done = sqlite3_exec(db, "END TRANSACTION;", nullptr, nullptr, nullptr) == SQLITE_OK;
    return done;
  }
  sqlite3* db;
  bool done = false;
};

class TransactionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(sqlite3_open(fromQs(dir.filePath(QStringLiteral("t.db"))).c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE T (X INTEGER);", nullptr, nullptr, nullptr);
    dlg.setEditTransaction([this] { return std::make_unique<SqlTransaction>(db); });
    dlg.onShow = [this] { sqlite3_exec(db, "INSERT INTO T VALUES (1);", nullptr, nullptr, nullptr); };
  }
  void TearDown() override { sqlite3_close(db); }
  int rows() {
    int n = -1;
    sqlite3_exec(db, "SELECT COUNT(*) FROM T;", [](void* p, int, char** v, char**) {
      *static_cast<int*>(p) = atoi(v[0]);
      return 0;
    }, &n, nullptr);
    return n;
  }
  QTemporaryDir dir;
  sqlite3* db = nullptr;
  TestDlg dlg;
};
}  // namespace

TEST_F(TransactionTest, OnlyTheConfirmingResultKeepsTheChanges) {
  EXPECT_EQ(runModal(dlg, [&] {
              EXPECT_TRUE(dlg.transactionOpen());
              EXPECT_EQ(rows(), 1) << "the dialog reads its own changes";
              QTest::keyClick(&dlg, Qt::Key_Escape);
            }),
            mrCancel);
  EXPECT_FALSE(dlg.transactionOpen());
  EXPECT_EQ(rows(), 0) << "ESC rolls back";

  runModal(dlg, [&] { dlg.close(); });
  EXPECT_EQ(rows(), 0) << "the close box rolls back";
  runModal(dlg, [&] { dlg.closeWith(mrAbort); });
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(runModal(dlg, [&] { dlg.closeWith(mrOk); }), mrOk);
  EXPECT_EQ(rows(), 1) << "OK commits";
}

TEST_F(TransactionTest, AModelessShowingClosedByItsBoxRollsBack) {
  dlg.show();
  EXPECT_TRUE(dlg.transactionOpen());
  dlg.close();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.modalResult(), mrCancel);
  EXPECT_EQ(rows(), 0);
}

namespace {
class UrlCatcher : public QObject {
  Q_OBJECT
 public slots:
  void open(const QUrl& url) { opened.push_back(url); }

 public:
  std::vector<QUrl> opened;
};
}  // namespace

TEST(DialogHelp, F1OpensTheTopicPageOrSaysItIsMissing) {
  QTemporaryDir dir;
  help::setFolder(fromQs(dir.path()));
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
  msg::ScriptedMessages messages;
  TestDlg dlg;
  showActive(&dlg);

  QTest::keyClick(dlg.first, Qt::Key_F1);
  ASSERT_EQ(messages.count(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Die Hilfeseite ZikoTest.html ist nicht installiert.");
  EXPECT_EQ(messages.shown()[0].caption, "Info");
  EXPECT_TRUE(catcher.opened.empty());

  QFile page(dir.filePath(QStringLiteral("ZikoTest.html")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  QTest::keyClick(dlg.first, Qt::Key_F1);
  EXPECT_EQ(messages.count(), 1u);
  ASSERT_EQ(catcher.opened.size(), 1u);
  EXPECT_EQ(catcher.opened[0].toLocalFile(), page.fileName());
  EXPECT_EQ(help::lastTopic(), "ZikoTest.html");
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  help::setFolder("");
}

#include "dialog_test.moc"
