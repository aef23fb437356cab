#pragma once
// The input filters of number and ring fields, for QLineEdit. Typed and pasted text alike
// pass through them; setText() does not.
// - Number field: digits only (and "-" for correction points). Backspace, Enter and the
//   cursor keys work as usual.
// - Ring field: digits; when the discipline counts tenths also one ".", and a typed ","
//   becomes ".".
#include <QValidator>
#include <functional>

class QLineEdit;

class FieldFilter : public QValidator {
  Q_OBJECT
 public:
  enum Kind { Number, Ring };

  FieldFilter(QLineEdit* edit, Kind kind);

  // Number fields: "-" is let through.
  bool allowMinus = false;
  // Ring fields: asked at every key, since the discipline can change while a window is open.
  std::function<bool()> tenths;
  // Called for every character key (Backspace too) the field gets, let through or refused.
  std::function<void()> onKey;

  State validate(QString& input, int& pos) const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Kind kind_;
};

// maxDigits > 0 limits the length of the text.
FieldFilter* setNumberFilter(QLineEdit* edit, bool allowMinus = false, int maxDigits = 0);
FieldFilter* setRingFilter(QLineEdit* edit, std::function<bool()> tenths);

// Shows a stored value whole: a field's length limit applies to typing only, so a longer
// value is neither cut when shown nor saved back cut.
class QString;
void showWhole(QLineEdit* edit, const QString& text, int typingLimit);
// Limits what the user types or pastes to maxLength characters, while a longer stored
// text set with setText() is shown whole and may be shortened (QLineEdit::setMaxLength
// would cut it, and a save would then store the cut text). Replaces the field's validator.
void setTypingLimit(QLineEdit* edit, int maxLength);
