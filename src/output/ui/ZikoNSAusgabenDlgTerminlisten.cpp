// The commands of the page "Terminlisten" of the season documents window.
#include "exchange/services.h"
#include "output/ui/ZikoNSAusgabenDlg.h"

void TZikoNSAusgabenDlg::ButtonTLAnzeigenClick() { showNotIncluded(); }

void TZikoNSAusgabenDlg::ButtonTLDrucken2Click() { showNotIncluded(); }

void TZikoNSAusgabenDlg::ButtonTerminlistenSerienDruckClick() { showNotIncluded(); }

void TZikoNSAusgabenDlg::ButtonTLSpeichernUnter2Click() { showNotIncluded(); }

void TZikoNSAusgabenDlg::ButtonTLClipboardClick() { showNotIncluded(); }
