#pragma once
// Data texts (a club or team name, a date line) in places of fixed width: a text too long
// for its place ends in "…" and shows whole as the tooltip, so layouts never move with
// the data.
#include <QString>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;

void setElidedText(QLabel* label, const QString& text);
// A read-only field keeps its whole text and shows its beginning.
void setElidedText(QLineEdit* edit, const QString& text);
// A read-only field whose text is set in many places: every new text shows the same way.
void keepBeginningShown(QLineEdit* edit);
// Every caption that holds data (a group box, button, check box or menu item naming a class,
// club or discipline) is set here: '&' stays literal instead of marking a mnemonic, and a
// caption too long for its place is cut the same way. A menu item grows with its text.
void setElidedTitle(QGroupBox* box, const QString& text);
void setElidedTitle(QAbstractButton* button, const QString& text);
void setElidedTitle(QAction* action, const QString& text);
