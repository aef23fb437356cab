#include "core/ui/FenkLDateiNeuDlg.h"

#include "platform/text.h"

TFenkLDateiNeuDlg* FenkLDateiNeuDlg = nullptr;

TFenkLDateiNeuDlg::TFenkLDateiNeuDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Neue Datenbank")); }
