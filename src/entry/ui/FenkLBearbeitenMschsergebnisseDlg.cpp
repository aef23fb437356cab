#include "entry/ui/FenkLBearbeitenMschsergebnisseDlg.h"

#include "platform/text.h"

TFenkLBearbeitenMschsergebnisseDlg* FenkLBearbeitenMschsergebnisseDlg = nullptr;

TFenkLBearbeitenMschsergebnisseDlg::TFenkLBearbeitenMschsergebnisseDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Mannschaftsergebnisse bearbeiten")); }
