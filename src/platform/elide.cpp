#include "platform/elide.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

void setElidedText(QLabel* label, const QString& text) {
  const int room = label->contentsRect().width() - 2 * label->margin() - label->indent() * (label->indent() > 0);
  const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, room);
  label->setText(shown);
  label->setToolTip(shown == text ? QString() : text);
}

namespace {
void showBeginning(QLineEdit* edit, const QString& text) {
  edit->setCursorPosition(0);
  const QMargins m = edit->textMargins();
  const bool fits = edit->fontMetrics().horizontalAdvance(text) + m.left() + m.right() + 8 <= edit->width();
  edit->setToolTip(fits ? QString() : text);
}
}  // namespace

void setElidedText(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  showBeginning(edit, text);
}

void keepBeginningShown(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) { showBeginning(edit, text); });
}

namespace {
QString literal(QString caption) { return caption.replace(QLatin1Char('&'), QStringLiteral("&&")); }

// The caption shown in room pixels, '&' doubled so it is no mnemonic; the tooltip holds a cut text whole.
QString elidedCaption(QWidget* w, const QString& text, int room) {
  // A widget its layout has not sized yet has no room to measure: it shows the caption whole.
  if (!w->testAttribute(Qt::WA_Resized)) {
    w->setToolTip(QString());
    return literal(text);
  }
  QString shown = w->fontMetrics().elidedText(text, Qt::ElideRight, room);
  w->setToolTip(shown == text ? QString() : text);
  return literal(shown);
}
}  // namespace

void setElidedTitle(QGroupBox* box, const QString& text) { box->setTitle(elidedCaption(box, text, box->width() - 24)); }

void setElidedTitle(QAbstractButton* button, const QString& text) {
  button->setText(elidedCaption(button, text, button->width() - 16));
}

void setElidedTitle(QAction* action, const QString& text) { action->setText(literal(text)); }
