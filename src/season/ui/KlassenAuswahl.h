#pragma once
// The class combo of the season dialogs: the classes of a discipline in number order, each
// item carrying its class number; the first one chosen. With alle, a first item of that
// text with key 0 stands for all classes.
#include <QComboBox>

void FillKlassenCombo(QComboBox* combo, int disznr, const char* alle = nullptr);
