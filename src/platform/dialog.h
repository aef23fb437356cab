#pragma once
// Base of every window of the program: the keyboard conventions, modal results and, for
// editing dialogs, the transaction that lives from showing to closing.
//
// - Enter moves to the next control, also from a button (Space presses a button).
// - ESC and the close box take the dialog's own close path: modal result Cancel (2).
// - Function keys bound with bindKey call their handler, enabled button or not, and are
//   consumed. F1 opens the help topic.
// - An editing dialog (setEditTransaction) opens a transaction when shown; closing with
//   modal result 1 commits it, every other way of closing rolls it back.
#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/help.h"
#include "platform/transaction.h"

// Places companion (a picker or helper window) beside owner, both wholly on owner's
// screen: to its right, else to its left, else the owner moves aside. Only a screen too
// narrow for both lets them overlap, and then the companion leaves keep (the owner's list)
// uncovered where it can.
void placeBeside(QWidget* companion, QWidget* owner, const QWidget* keep = nullptr);

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3 };

class ZDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ZDialog(QWidget* parent = nullptr);
  ~ZDialog() override;

  // Shows the dialog modally and returns its modal result.
  int ShowModal();
  // Ends a modal or modeless showing with the given result.
  void closeWith(int modalResult);
  int modalResult() const { return result(); }

  void setHelpTopic(const std::string& topic) { helpTopic_ = topic; }
  const std::string& helpTopic() const { return helpTopic_; }
  void showHelp();

  void bindKey(int qtKey, std::function<void()> handler);
  // Runs the handler bound to a key as if the key was pressed; false when none is bound.
  bool pressKey(int qtKey);

  // Shows this window modeless beside owner, which may be modal: it becomes a tool window
  // child of owner, since a modal window blocks every window that is not its child, and
  // stays in front of it. keep: the owner's list, left uncovered on a narrow screen.
  void showBeside(QWidget* owner, const QWidget* keep = nullptr);
  // Moves the window inside the available area of its screen.
  void keepOnScreen();

  // false: ESC and the close box do nothing (the dialog closes itself).
  void setUserClosable(bool closable) { userClosable_ = closable; }

  void setEditTransaction(TransactionFactory factory) { factory_ = std::move(factory); }
  bool transactionOpen() const;
  // Ends the open transaction with a commit now, for a dialog that reports only what was
  // really stored; false when the commit failed (everything is then rolled back).
  bool commitEditTransaction();

  // Key preview: called for every key pressed anywhere in this window before the focused
  // control sees it. Return true to consume the key.
  virtual bool previewKey(int key, Qt::KeyboardModifiers modifiers);

 protected:
  // Called every time the window is shown, after the transaction was opened.
  virtual void FormShow() {}
  // Called when the window is hidden, whatever the reason.
  virtual void FormHide() {}
  // Asked before the user closes the window (ESC, close box, cancel); false keeps it open.
  virtual bool canClose() { return true; }

  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 public slots:
  void done(int r) override;
  void reject() override;
  void accept() override;

 private:
  void endTransaction(bool commit);

  std::string helpTopic_;
  std::map<int, std::function<void()>> keys_;
  bool userClosable_ = true;
  TransactionFactory factory_;
  std::unique_ptr<EditTransaction> transaction_;
  std::optional<QPoint> hiddenAt_;  // the inside's place when last hidden
};
