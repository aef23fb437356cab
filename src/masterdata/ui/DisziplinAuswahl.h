#pragma once
// The discipline box of a window: every discipline in the order of its number, each item
// carrying its number.
#include <QComboBox>

// Refills combo without signals and selects the discipline current; none when it is gone.
void FillDisziplinenCombo(QComboBox* combo, int current);
