#include "entry/ui/ZikoNeuerSchuetzeDlg.h"

#include "platform/text.h"

TZikoNeuerSchuetzeDlg* ZikoNeuerSchuetzeDlg = nullptr;

TZikoNeuerSchuetzeDlg::TZikoNeuerSchuetzeDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Neuer Schütze")); }
