#include "entry/ui/FenkLBearbeitenEinzlergebnisseDlg.h"

#include "platform/text.h"

TFenkLBearbeitenEinzlergebnisseDlg* FenkLBearbeitenEinzlergebnisseDlg = nullptr;

TFenkLBearbeitenEinzlergebnisseDlg::TFenkLBearbeitenEinzlergebnisseDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Einzelergebnisse bearbeiten")); }
