#include "platform/fieldfilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

FieldFilter::FieldFilter(QLineEdit* edit, Kind kind) : QValidator(edit), kind_(kind) {
  edit->setValidator(this);
  edit->installEventFilter(this);
}

QValidator::State FieldFilter::validate(QString& input, int&) const {
  bool dotAllowed = kind_ == Ring && tenths && tenths();
  bool seenDot = false;
  for (QChar& c : input) {
    if (c.isDigit() && c.unicode() < 0x80) continue;
    if (kind_ == Number && allowMinus && c == u'-') continue;
    if (dotAllowed && (c == u'.' || c == u',') && !seenDot) {
      c = u'.';
      seenDot = true;
      continue;
    }
    return Invalid;
  }
  return Acceptable;
}

bool FieldFilter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::KeyPress && onKey) {
    auto* key = static_cast<QKeyEvent*>(event);
    // Printable characters and Backspace; Enter, Tab, ESC and Delete are no typing.
    QChar c = key->text().isEmpty() ? QChar() : key->text().front();
    bool character = (c >= u' ' && c != u'\x7f') || c == u'\b';
    if (character && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) onKey();
  }
  return false;
}

FieldFilter* setNumberFilter(QLineEdit* edit, bool allowMinus, int maxDigits) {
  auto* filter = new FieldFilter(edit, FieldFilter::Number);
  filter->allowMinus = allowMinus;
  if (maxDigits > 0) edit->setMaxLength(maxDigits);
  return filter;
}

FieldFilter* setRingFilter(QLineEdit* edit, std::function<bool()> tenths) {
  auto* filter = new FieldFilter(edit, FieldFilter::Ring);
  filter->tenths = std::move(tenths);
  return filter;
}

void showWhole(QLineEdit* edit, const QString& text, int typingLimit) {
  edit->setMaxLength(std::max(typingLimit, static_cast<int>(text.size())));
  edit->setText(text);
}

namespace {
class TypingLimit : public QValidator {
 public:
  TypingLimit(QLineEdit* edit, int maxLength)
      : QValidator(edit), edit_(edit), max_(maxLength), last_(edit->text().size()) {
    // The validator sees the changed text only; the length before the change is kept here.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { last_ = t.size(); });
  }
  State validate(QString& input, int&) const override {
    // setText() leaves the field unmodified: a text set by the program passes whole.
    if (!edit_->isModified()) return Acceptable;
    return input.size() <= std::max<qsizetype>(max_, last_) ? Acceptable : Invalid;
  }

 private:
  QLineEdit* edit_;
  int max_;
  qsizetype last_;
};
}  // namespace

void setTypingLimit(QLineEdit* edit, int maxLength) {
  edit->setValidator(new TypingLimit(edit, maxLength));
}
