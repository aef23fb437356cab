#pragma once
// Data texts (a club or team name, a date line) in places of fixed width: a text too long
// for its place ends in "…" and shows whole as the tooltip, so layouts never move with
// the data.
#include <QString>

class QAbstractButton;
class QAction;
class QFontMetrics;
class QGroupBox;
class QLabel;
class QLineEdit;
class QAbstractItemView;
class QListWidget;
class QListWidgetItem;

void setElidedText(QLabel* label, const QString& text);
// A read-only field keeps its whole text and shows its beginning.
void setElidedText(QLineEdit* edit, const QString& text);
// A read-only field whose text is set in many places: every new text shows the same way.
void keepBeginningShown(QLineEdit* edit);
// The hint of a read-only field stays its tooltip whatever it shows; a cut text comes whole
// above it.
void setFieldHint(QLineEdit* edit, const QString& hint);
// Every caption that holds data (a group box, button, check box or menu item naming a class,
// club or discipline) is set here: '&' stays literal instead of marking a mnemonic, and a
// caption too long for its place is cut the same way. A menu item grows with its text.
void setElidedTitle(QGroupBox* box, const QString& text);
void setElidedTitle(QAbstractButton* button, const QString& text);
void setElidedTitle(QAction* action, const QString& text);

// A team's name ends in its number ("… II"), which tells two teams of a club apart: the
// club's name gives up the room, the last word stays whole ("Schützengesellsch… II").
QString elidedTeamName(const QFontMetrics& fm, const QString& team, int room);
// The room of the first of two texts first and second pixels wide sharing room pixels: a
// short one stays whole and leaves the rest to the other, else each gets half.
int firstShare(int first, int second, int room);
// "home - guest" in room pixels: the longer club name gives up room first, both numbers stay.
QString elidedPairing(const QFontMetrics& fm, const QString& home, const QString& guest, int room);
// A label holding a team's name, prefix (a blank before it) included; the tooltip holds it whole.
void setElidedTeamName(QLabel* label, const QString& team, const QString& prefix = QString());
// The room for a line's text across a list, a scroll bar beside it included.
int listTextRoom(const QAbstractItemView* list);
// A list line naming a team: cut to the list's room with its number in view, whole as tooltip.
void setElidedTeamLine(QListWidgetItem* item, const QString& team);
// A list line naming a club: cut at its end to the list's room, whole as tooltip.
void setElidedLine(QListWidgetItem* item, const QString& text);
