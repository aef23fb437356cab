#pragma once
// Data texts (a club or team name, a date line) in places of fixed width: a text too long
// for its place ends in "…" and shows whole as the tooltip, so layouts never move with
// the data.
#include <QString>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;

void setElidedText(QLabel* label, const QString& text);
// A read-only field keeps its whole text and shows its beginning.
void setElidedText(QLineEdit* edit, const QString& text);
// A group box caption that holds data: '&' stays literal, a long caption is cut the same way.
void setElidedTitle(QGroupBox* box, const QString& text);
void setElidedTitle(QAbstractButton* button, const QString& text);
