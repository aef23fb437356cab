// The commands of the page "Mannschaftsleiter" of the season documents window.
#include "core/globals.h"
#include "exchange/services.h"
#include "masterdata/ui/ZikoNSMschFuehrerAnzeigenDlg.h"
#include "output/ui/ZikoNSAusgabenDlg.h"

void TZikoNSAusgabenDlg::ButtonMFAnzeigeClick() {
  gIntdat.AnzeigeVrnr = static_cast<int32_t>(gewaehlterVerein(ComboBoxMFVr));
  gIntdat.AnzeigeMklnr = static_cast<int32_t>(gewaehlteKlasse(ComboBoxKlasseMF));
  if (ZikoNSMschFuehrerAnzeigenDlg) ZikoNSMschFuehrerAnzeigenDlg->ShowModal();
}

void TZikoNSAusgabenDlg::ButtonMFDruckenClick() { showNotIncluded(); }

void TZikoNSAusgabenDlg::ButtonMFSerienDruckClick() { showNotIncluded(); }

void TZikoNSAusgabenDlg::ButtonMFSpeichernClick() { showNotIncluded(); }

void TZikoNSAusgabenDlg::ButtonMFClipboardClick() { showNotIncluded(); }
