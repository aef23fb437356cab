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

namespace {

// A window's frame when its inside stands at insideAt: the real frame once the window
// manager framed it; until then a place given by move() is the frame's, and a title bar
// and a thin border are reckoned with.
QRect frameAt(const QWidget* w, QPoint insideAt) {
  if (w->isVisible() && w->frameGeometry() != w->geometry()) {
    const QRect f = w->frameGeometry(), g = w->geometry();
    return QRect(insideAt, w->size())
        .marginsAdded(QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()));
  }
  const int title = w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w) + 8;
  return QRect(insideAt, w->size() + QSize(8, title + 4));
}

int clampTo(int v, int low, int high) { return std::clamp(v, low, std::max(low, high)); }

}  // namespace

void placeBeside(QWidget* companion, QWidget* owner, const QWidget* keep) {
  QScreen* screen = owner->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  constexpr int gap = 8;
  QRect o = owner->frameGeometry();
  if (!owner->isVisible() || o == owner->geometry()) o = frameAt(owner, owner->geometry().topLeft());
  const QRect c = frameAt(companion, companion->geometry().topLeft());
  const int w = c.width(), h = c.height();
  const int y = clampTo(o.top(), area.top(), area.bottom() + 1 - h);
  QPoint at;
  int ownerX = o.left();
  if (o.right() + 1 + gap + w <= area.right() + 1) {
    at = {o.right() + 1 + gap, y};
  } else if (o.left() - gap - w >= area.left()) {
    at = {o.left() - gap - w, y};
  } else if (o.width() + gap + w <= area.width()) {
    // No room beside the owner where it stands: it moves aside, toward the side with less room.
    if (area.right() - o.right() >= o.left() - area.left()) {
      ownerX = area.right() + 1 - w - gap - o.width();
      at = {ownerX + o.width() + gap, y};
    } else {
      ownerX = area.left() + w + gap;
      at = {area.left(), y};
    }
  } else {
    // A screen too narrow for both: owner and companion at its two edges, the companion on
    // the side where it leaves the owner's list uncovered, if there is one.
    ownerX = area.left();
    at = {area.right() + 1 - w, y};
    if (keep) {
      const QPoint border(owner->geometry().left() - o.left(), owner->geometry().top() - o.top());
      const QRect list(QPoint(ownerX, o.top()) + border + keep->mapTo(owner, QPoint(0, 0)), keep->size());
      if (list.intersects(QRect(at, c.size()))) {
        ownerX = area.right() + 1 - o.width();
        at = {area.left(), y};
      }
    }
  }
  if (ownerX != o.left() || !area.contains(o)) {
    const int ownerY = clampTo(o.top(), area.top(), area.bottom() + 1 - o.height());
    owner->move(clampTo(ownerX, area.left(), area.right() + 1 - o.width()), ownerY);
  }
  companion->move(at);
}

void ZDialog::showBeside(QWidget* owner, const QWidget* keep) {
  if (owner && parentWidget() != owner) {
    // Changing the owner must not move the window from where it was placed.
    QPoint at = pos();
    setParent(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    move(at);
  }
  // The size it will show with, which a window never sized is given only when shown.
  if (!testAttribute(Qt::WA_Resized)) adjustSize();
  if (owner) {
    // A place of its own (where the user left it) stands while it is on the screen and
    // covers nothing of the owner; any other opens beside the owner.
    const QPoint inside = isVisible() ? geometry().topLeft() : hiddenAt_.value_or(geometry().topLeft());
    const QRect frame = frameAt(this, inside);
    const QRect area = owner->screen() ? owner->screen()->availableGeometry() : frame;
    const bool placed = isVisible() || hiddenAt_ || testAttribute(Qt::WA_Moved);
    if (!placed || !area.contains(frame) || frame.intersects(owner->frameGeometry())) {
      hiddenAt_.reset();
      placeBeside(this, owner, keep);
    }
  }
  show();
  if (!owner) keepOnScreen();
  raise();
}

void ZDialog::keepOnScreen() {
  QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  QRect frame = frameGeometry();
  if (frame == geometry()) frame = frameAt(this, geometry().topLeft());
  QPoint at = frame.topLeft();
  at.setX(clampTo(at.x(), area.left(), area.right() + 1 - frame.width()));
  at.setY(clampTo(at.y(), area.top(), area.bottom() + 1 - frame.height()));
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
