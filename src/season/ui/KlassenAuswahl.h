#pragma once
// The class combo of the season dialogs: the classes of a discipline in number order, each
// item carrying its class number; the first one chosen.
#include <QComboBox>

void FillKlassenCombo(QComboBox* combo, int disznr);
