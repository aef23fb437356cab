// The commands of the page "Terminlisten" of the season documents window.
#include <memory>

#include "core/globals.h"
#include "output/terminlisten.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "output/ui/ZikoNSTerminlistenDlg.h"
#include "platform/clipboard.h"
#include "platform/printer.h"

void TZikoNSAusgabenDlg::ButtonTLAnzeigenClick() {
  gIntdat.AnzeigeVrnr = static_cast<int32_t>(gewaehlterVerein(ComboBoxVrTl));
  gIntdat.AnzeigeMklnr = static_cast<int32_t>(gewaehlteKlasse(ComboBoxKlasseTrlist));
  if (ZikoNSTerminlistenDlg) ZikoNSTerminlistenDlg->ShowModal();
}

void TZikoNSAusgabenDlg::ButtonTLDrucken2Click() {
  if (!printing::printDialog(this)) return;
  std::unique_ptr<PrintCanvas> c = printing::openCanvas();
  if (!c || !PrintTerminlisten(*c, gewaehlterVerein(ComboBoxVrTl), gewaehlteKlasse(ComboBoxKlasseTrlist),
                               gewaehlterVereinsname(ComboBoxVrTl)))
    meldeDruckNichtBegonnen();
}

void TZikoNSAusgabenDlg::ButtonTerminlistenSerienDruckClick() {
  if (!printing::printDialog(this)) return;
  std::unique_ptr<PrintCanvas> c = printing::openCanvas();
  if (!c || !PrintTerminlistenAlleVereine(*c)) meldeDruckNichtBegonnen();
}

void TZikoNSAusgabenDlg::ButtonTLSpeichernUnter2Click() {
  const long verein = gewaehlterVerein(ComboBoxVrTl);
  const long klasse = gewaehlteKlasse(ComboBoxKlasseTrlist);
  const std::string name = gewaehlterVereinsname(ComboBoxVrTl);
  speichernUnter({"Terminlisten speichern unter", "Rwkterminlisten", SaisonOrdner::Terminlisten, false},
                 [&](const std::filesystem::path& datei, int format) {
                   return SaveTerminlisten(datei, format, verein, klasse, name);
                 });
}

void TZikoNSAusgabenDlg::ButtonTLClipboardClick() {
  clipboard::setText(WriteTxtTerminlisten(gewaehlterVerein(ComboBoxVrTl), gewaehlteKlasse(ComboBoxKlasseTrlist),
                                          gewaehlterVereinsname(ComboBoxVrTl)));
}
