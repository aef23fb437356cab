#include "masterdata/ui/ZikoVereineBearbeitenDlg.h"

#include "platform/text.h"

TZikoVereineBearbeitenDlg* ZikoVereineBearbeitenDlg = nullptr;

TZikoVereineBearbeitenDlg::TZikoVereineBearbeitenDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Vereine bearbeiten")); }
