// The commands of the page "Mannschaftsleiter" of the season documents window.
#include <memory>

#include "core/globals.h"
#include "core/helpers.h"
#include "output/listenschreiber.h"
#include "output/mschfuehrerlisten.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "platform/clipboard.h"
#include "platform/printcanvas.h"
#include "platform/printer.h"
#include "season/ui/ZikoNSMschFuehrerAnzeigenDlg.h"

void TZikoNSAusgabenDlg::ButtonMFAnzeigeClick() {
  gIntdat.AnzeigeVrnr = static_cast<int32_t>(gewaehlterVerein(ComboBoxMFVr));
  gIntdat.AnzeigeMklnr = static_cast<int32_t>(gewaehlteKlasse(ComboBoxKlasseMF));
  if (ZikoNSMschFuehrerAnzeigenDlg) ZikoNSMschFuehrerAnzeigenDlg->ShowModal();
}

void TZikoNSAusgabenDlg::ButtonMFDruckenClick() {
  if (!printing::printDialog(this)) return;
  std::unique_ptr<PrintCanvas> c = printing::openCanvas();
  if (!c || !PrintMschFuehrer(*c, static_cast<int>(gewaehlterVerein(ComboBoxMFVr)),
                              static_cast<int>(gewaehlteKlasse(ComboBoxKlasseMF))))
    meldeDruckNichtBegonnen();
}

void TZikoNSAusgabenDlg::ButtonMFSerienDruckClick() {
  if (printing::printDialog(this) && !PrintMschFuehrerSerie()) meldeDruckNichtBegonnen();
}

void TZikoNSAusgabenDlg::ButtonMFSpeichernClick() {
  const long verein = gewaehlterVerein(ComboBoxMFVr);
  const long klasse = gewaehlteKlasse(ComboBoxKlasseMF);
  std::string name = "Mannschaftsleiter";
  if (verein > 0) name += " " + FileNameProposal(gewaehlterVereinsname(ComboBoxMFVr));
  speichernUnter({"Mannschaftsleiter speichern unter", name, SaisonOrdner::Mschfuehrer, true},
                 [&](const std::filesystem::path& datei, int format) { return SaveMschFuehrer(datei, format, verein, klasse); });
}

void TZikoNSAusgabenDlg::ButtonMFClipboardClick() {
  clipboard::setText(WriteTxtMschFuehrer(static_cast<int>(gewaehlterVerein(ComboBoxMFVr)),
                                         static_cast<int>(gewaehlteKlasse(ComboBoxKlasseMF))));
}
