#include "output/ui/ZikoSAAktionslisteDlg.h"

#include "platform/text.h"

TZikoSAAktionslisteDlg* ZikoSAAktionslisteDlg = nullptr;

TZikoSAAktionslisteDlg::TZikoSAAktionslisteDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Aktionsliste")); }
