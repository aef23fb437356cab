#include "ranking/ui/ZikoSortierteAusgabeDlg.h"

#include "platform/text.h"

TZikoSortierteAusgabeDlg* ZikoSortierteAusgabeDlg = nullptr;

TZikoSortierteAusgabeDlg::TZikoSortierteAusgabeDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Sortierte Einzelausgaben")); }
