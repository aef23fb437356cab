#include "platform/elide.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>

namespace {
int labelRoom(const QLabel* label) {
  return label->contentsRect().width() - 2 * label->margin() - label->indent() * (label->indent() > 0);
}
}  // namespace

void setElidedText(QLabel* label, const QString& text) {
  const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, labelRoom(label));
  label->setText(shown);
  label->setToolTip(shown == text ? QString() : text);
}

QString elidedTeamName(const QFontMetrics& fm, const QString& team, int room) {
  if (fm.horizontalAdvance(team) <= room) return team;
  const qsizetype gap = team.lastIndexOf(QLatin1Char(' '));
  if (gap <= 0) return fm.elidedText(team, Qt::ElideRight, room);
  const QString number = team.mid(gap);  // with the blank before it
  const QString club = fm.elidedText(team.left(gap), Qt::ElideRight, room - fm.horizontalAdvance(number));
  return club + number;
}

int firstShare(int first, int second, int room) {
  if (first + second <= room) return first;
  int share = room / 2;
  if (first < share) share = first;
  else if (second < room - share) share = room - second;
  return share;
}

QString elidedPairing(const QFontMetrics& fm, const QString& home, const QString& guest, int room) {
  const QString dash = QStringLiteral(" - ");
  const int left = room - fm.horizontalAdvance(dash);
  const int h = fm.horizontalAdvance(home), g = fm.horizontalAdvance(guest);
  if (h + g <= left) return home + dash + guest;
  const int homeRoom = firstShare(h, g, left);
  return elidedTeamName(fm, home, homeRoom) + dash + elidedTeamName(fm, guest, left - homeRoom);
}

int listTextRoom(const QAbstractItemView* list) {
  // A list its layout has not sized yet has no room to measure: its lines stay whole.
  if (!list->testAttribute(Qt::WA_Resized)) return 1 << 20;
  const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  return list->contentsRect().width() - list->verticalScrollBar()->sizeHint().width() - 2 * margin - 1;
}

void setElidedTeamLine(QListWidgetItem* item, const QString& team) {
  const QListWidget* list = item->listWidget();
  const QString shown = list ? elidedTeamName(list->fontMetrics(), team, listTextRoom(list)) : team;
  item->setText(shown);
  item->setToolTip(team);
}

void setElidedLine(QListWidgetItem* item, const QString& text) {
  const QListWidget* list = item->listWidget();
  item->setText(list ? list->fontMetrics().elidedText(text, Qt::ElideRight, listTextRoom(list)) : text);
  item->setToolTip(text);
}

void setElidedTeamName(QLabel* label, const QString& team, const QString& prefix) {
  const QFontMetrics fm = label->fontMetrics();
  const QString shown = prefix + elidedTeamName(fm, team, labelRoom(label) - fm.horizontalAdvance(prefix));
  label->setText(shown);
  label->setToolTip(shown == prefix + team ? QString() : team);
}

namespace {
constexpr char kHint[] = "fieldHint";

void showBeginning(QLineEdit* edit, const QString& text) {
  edit->setCursorPosition(0);
  const QMargins m = edit->textMargins();
  const bool fits = edit->fontMetrics().horizontalAdvance(text) + m.left() + m.right() + 8 <= edit->width();
  const QString hint = edit->property(kHint).toString();
  if (fits) edit->setToolTip(hint);
  else edit->setToolTip(hint.isEmpty() ? text : text + QLatin1Char('\n') + hint);
}
}  // namespace

void setFieldHint(QLineEdit* edit, const QString& hint) {
  edit->setProperty(kHint, hint);
  showBeginning(edit, edit->text());
}

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
