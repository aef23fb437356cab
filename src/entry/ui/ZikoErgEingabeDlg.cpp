#include "entry/ui/ZikoErgEingabeDlg.h"

#include "platform/text.h"

TZikoErgEingabeDlg* ZikoErgEingabeDlg = nullptr;

TZikoErgEingabeDlg::TZikoErgEingabeDlg(QWidget* parent) : ZDialog(parent) { setWindowTitle(qs("Eingabe der Einzel- und Mannschaftsergebnisse")); }
