#include "output/ui/ZikoErgebnisformatDlg.h"

#include "platform/text.h"

TZikoErgebnisformatDlg* ZikoErgebnisformatDlg = nullptr;

TZikoErgebnisformatDlg::TZikoErgebnisformatDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Ergebnisformat")); }
