#include "platform/dialog.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>

#include "platform/listlook.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace {

// One application-wide filter gives every ZDialog the first look at the keys of its window.
// A key the focused control ignores travels up to its parents, and application filters
// see it at every step; the window must preview it only once.
class KeyPreview : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyRelease) passed_ = nullptr;
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key == passed_ && passedKey_ == key->key() && passedTo_ && widget->isAncestorOf(passedTo_)) {
      passedTo_ = widget;
      return false;
    }
    passed_ = nullptr;
    auto* dialog = qobject_cast<ZDialog*>(widget->window());
    if (!dialog || !dialog->isVisible()) return false;
    if (dialog->previewKey(key->key(), key->modifiers())) {
      key->accept();
      return true;
    }
    passed_ = key;
    passedKey_ = key->key();
    passedTo_ = widget;
    return false;
  }

 private:
  const QEvent* passed_ = nullptr;  // the key press last let through, while it travels up
  int passedKey_ = 0;
  QPointer<QWidget> passedTo_;
};

void installKeyPreview() {
  static KeyPreview* preview = nullptr;
  if (!preview && qApp) {
    preview = new KeyPreview;
    preview->setParent(qApp);
    qApp->installEventFilter(preview);
  }
}

}  // namespace

ZDialog::ZDialog(QWidget* parent) : QDialog(parent) {
  installKeyPreview();
  // A dialog to the window manager: title and close box, no minimise or maximise button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
}

ZDialog::~ZDialog() = default;

int ZDialog::ShowModal() {
  setResult(mrNone);
  return exec();
}

void ZDialog::closeWith(int modalResult) { done(modalResult); }

void ZDialog::showHelp() {
  if (!helpTopic_.empty()) help::showTopic(helpTopic_);
}

void ZDialog::showBeside(QWidget* owner) {
  // A window that has no place of its own yet opens beside its owner.
  const bool placed = testAttribute(Qt::WA_Moved) || hiddenAt_;
  if (owner && parentWidget() != owner) {
    // Changing the owner must not move the window from where it was placed.
    QPoint at = pos();
    setParent(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (placed) move(at);
  }
  if (owner && !placed) move(owner->frameGeometry().topRight() + QPoint(8, 0));
  show();
  keepOnScreen(owner);
  raise();
}

void ZDialog::keepOnScreen(const QWidget* owner) {
  QScreen* screen = owner ? owner->screen() : this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  QRect frame = frameGeometry();
  // Until the window manager has framed the window its frame is unknown: reckon with a
  // title bar above it, since a place given by move() is that of the frame.
  if (frame == geometry()) {
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 8;
    frame.setSize(frame.size() + QSize(8, title + 4));
  }
  QPoint at = frame.topLeft();
  // Past the right edge: try the owner's other side before pushing it back in.
  if (frame.right() > area.right() && owner) {
    int left = owner->frameGeometry().left() - frame.width() - 8;
    if (left >= area.left()) at.setX(left);
  }
  at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
  at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
  move(at);
}

void ZDialog::bindKey(int qtKey, std::function<void()> handler) { keys_[qtKey] = std::move(handler); }

bool ZDialog::pressKey(int qtKey) {
  auto it = keys_.find(qtKey);
  if (it == keys_.end()) return false;
  auto handler = it->second;  // the handler may rebind keys
  handler();
  return true;
}

bool ZDialog::transactionOpen() const { return transaction_ != nullptr; }

bool ZDialog::commitEditTransaction() {
  if (!transaction_) return false;
  std::unique_ptr<EditTransaction> t = std::move(transaction_);
  return t->commit();
}

bool ZDialog::previewKey(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return false;
  if (pressKey(key)) return true;
  switch (key) {
    case Qt::Key_F1:
      showHelp();
      return true;
    case Qt::Key_Escape:
      reject();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      QWidget* focus = QApplication::focusWidget();
      if (qobject_cast<QPlainTextEdit*>(focus) || qobject_cast<QTextEdit*>(focus)) return false;
      // Also on a button: Enter only moves on, the button is pressed by its key or Space.
      focusNextChild();
      return true;
    }
    default:
      return false;
  }
}

void ZDialog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  // Tab leaves a multi-line field instead of writing a tab into its text.
  for (auto* edit : findChildren<QPlainTextEdit*>()) edit->setTabChangesFocus(true);
  for (auto* edit : findChildren<QTextEdit*>()) edit->setTabChangesFocus(true);
  // Every list of the window, made by whichever code, looks and fits alike (a drop-down's
  // list is a window of its own and keeps its look).
  for (auto* view : findChildren<QAbstractItemView*>())
    if (view->window() == this) giveListLook(view);
  // A window shown again stands where it was hidden. Its inside is placed, which is known
  // at once, unlike the frame: the window system would otherwise take the inside's place
  // for the frame's and set the window lower by the title bar at every showing.
  if (isWindow() && hiddenAt_) setGeometry(QRect(*hiddenAt_, size()));
  if (factory_ && !transaction_) transaction_ = factory_();
  FormShow();
}

void ZDialog::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  if (e->spontaneous()) return;
  if (isWindow()) hiddenAt_ = geometry().topLeft();
  // Hidden by any path but the confirming one: what was changed is taken back.
  endTransaction(false);
  FormHide();
}

void ZDialog::closeEvent(QCloseEvent* e) {
  if (!userClosable_ || !canClose()) {
    e->ignore();
    return;
  }
  e->accept();
  if (isVisible()) done(mrCancel);
}

void ZDialog::keyPressEvent(QKeyEvent* e) {
  // Keys that reach the dialog itself went through previewKey already.
  e->ignore();
}

void ZDialog::done(int r) {
  endTransaction(r == mrOk);
  QDialog::done(r);
}

void ZDialog::reject() {
  if (!userClosable_ || !canClose()) return;
  done(mrCancel);
}

void ZDialog::accept() { done(mrOk); }

void ZDialog::endTransaction(bool commit) {
  if (!transaction_) return;
  std::unique_ptr<EditTransaction> t = std::move(transaction_);
  if (commit) t->commit();
  // Destruction rolls back whatever was not committed.
}
