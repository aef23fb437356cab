// The output commands of the sorted-output window: save the page's list to a file, copy it
// to the clipboard, print it. Each turns the page's choices into one options record, so the
// three forms carry the same list.
#include <algorithm>

#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/savefile.h"
#include "core/schema.h"
#include "core/upgrade.h"
#include "output/listenschreiber.h"
#include "output/saisondokumente.h"
#include "output/sortausgabe.h"
#include "output/ui/ZikoNSAusgabenDlg.h"
#include "platform/clipboard.h"
#include "platform/filedialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "output/ui/ZikoSortierteAusgabeDlg.h"

namespace {

const char* const kFilter = "Textformat (*.txt)|*.txt|Html-Format (*.html)|*.html";
const char* const kDbfFilter = "|Dbf-Format (*.dbf)|*.dbf";

// A club's entry as part of a file name: the ASCII letters and the signs among and after
// them; number, blanks and every character above 127 (umlauts too) go.
std::string dateinamenTeil(const std::string& text) {
  std::string out;
  for (char c : FileNameProposal(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 65 && u < 127 && out.size() < 300) out += c;
  }
  return out;
}

std::string mitNummer(const char* format, int n) {
  char buf[160];
  std::snprintf(buf, sizeof buf, format, n);
  return buf;
}

struct Vorschlag {
  std::string name;
  std::string titel;
};

Vorschlag speicherVorschlag(int seite, const SortierteAuswahl& w) {
  const int dg = w.Kampfindex + 1;
  switch (seite) {
    case 0: {
      const char* name = w.Anzeige == 0 ? "Starttabellen" : "Mannschaftstabellen";
      return {name, std::string("Sortierte Ausgabe ") + name + " speichern unter"};
    }
    case 1: {
      static const char* const namen[] = {"Mannschaftsbegegnungen", "Mannschaftsringschnitte",
                                          "Mannschaftsaufstellungen"};
      const char* name = namen[std::clamp(w.Anzeige, 0, 2)];
      return {name, std::string(name) + " speichern unter"};
    }
    case 2: {
      static const char* const namen[] = {"Einzelwertung DG %d", "Einzelwertung nach DG %d",
                                          "Einzelwertung nach DG %d Eerg"};
      return {mitNummer(namen[std::clamp(w.Anzeige, 0, 2)], dg),
              "Sortierte Einzelwertung speichern unter"};
    }
    case 3: {
      static const char* const namen[] = {"Klassenergebnisse DG %d",
                                          "KlassenergTabEschnitt nach DG %d",
                                          "KlassenergTabMscherg nach DG %d",
                                          "KlassenergTabMschEerg DG %d"};
      return {mitNummer(namen[std::clamp(w.Anzeige, 0, 3)], dg),
              "Klassenergebnisse speichern unter"};
    }
    case 4:
      return {"Vereinsergebnisse " + dateinamenTeil(w.VereinText),
              "Vereinsergebnisse speichern unter"};
    default:
      return {w.Vrnr >= 1 ? "Mannschaftsleiter " + dateinamenTeil(w.VereinText)
                          : std::string("Mannschaftsleiter"),
              "Mannschaftsleiter speichern unter"};
  }
}

const char* const kPfadSpalten = "Pfad1, Pfad2, Pfad3, Pfad4, Pfad5, Pfad6";

// The six remembered folders of the discipline; a discipline without its row starts from
// the program folder and gets the row, so a later save has somewhere to store its folder.
std::vector<std::string> gemerkteOrdner(int disznr) {
  UpgradePathTables();
  db::Table t = db::query(gDbPfade,
                          std::string("SELECT DISTINCT ") + kPfadSpalten +
                              " FROM PfadeEinzelausgb_10 WHERE Disznr=?;",
                          {disznr});
  if (t.empty()) {
    insertEinzelausgb10Row(disznr);
    return std::vector<std::string>(6, gIntdat.ProgrammVerzeichnis);
  }
  return t.rows[0];
}

// The record of the page shown. Only the save puts format and file in.
_sort_ausgabe ausgabeDerSeite(TZikoSortierteAusgabeDlg& d) {
  const int seite = d.seite();
  // A minimum typed but not yet left counts, as leaving the field would have applied it.
  const QString minimum = qs(str(d.SortEErgMinRinge));
  if (seite == 2 && d.EditMinErgRinge->text() != minimum) d.EditMinErgRingeExit();
  if (seite == 3 && d.EditMinErgRingeKl->text() != minimum) d.EditMinErgRingeKlExit();
  const SortierteAuswahl w = d.auswahl();
  _sort_ausgabe a;
  a.Listenart = seite + 1;
  a.Disznr = w.Disznr;
  a.Zehntelflag = w.Zehntelflag;
  a.MinRinge = w.MinRinge;
  a.MinErgAnzahl = 1;
  switch (seite) {
    case 0:
    case 1:
    case 2:
    case 3:
      a.Anzeige = a.Sortart = w.Anzeige;
      a.Durchgang = w.Kampfindex;
      if (seite >= 1) a.Mklnr = w.Mklnr;
      if (seite >= 2) {
        a.MinErgAnzahl = w.MinAnzahl;
        a.Endwertung = w.Endwertung ? 1 : 0;
      }
      break;
    case 4:
      a.Vrnr = w.Vrnr;
      a.Anzeige = w.NurMitErgebnis ? 1 : 0;
      a.Sortart = w.Filter;
      a.Durchgang = w.Kampfindex;
      break;
    default:
      a.Vrnr = w.Vrnr;
      a.Durchgang = w.Kampfindex;
      break;
  }
  return a;
}

}  // namespace

void TZikoSortierteAusgabeDlg::InDateispeichern1Click() {
  _sort_ausgabe a = ausgabeDerSeite(*this);
  const int page = seite();
  std::vector<std::string> ordner = gemerkteOrdner(a.Disznr);
  const Vorschlag v = speicherVorschlag(page, auswahl());
  const bool mitDbf = page == 2 || page == 5;
  FileDialog dlg(FileDialog::Save, std::string(kFilter) + (mitDbf ? kDbfFilter : ""));
  dlg.title = v.titel;
  dlg.fileName = v.name;
  dlg.initialDir = ordner[static_cast<size_t>(page)];
  dlg.overwritePrompt = true;
  dlg.writtenName = [mitDbf](const std::string& name, int typ) { return SaisonDateiname(name, typ, mitDbf); };
  if (!dlg.execute(this)) return;

  a.Dateiformat = dlg.filterIndex;
  WaitCursor wait;
  a.Dateiname = SaisonDateiname(dlg.filePath.string(), dlg.filterIndex, mitDbf);
  takeSaveError();  // an older reason must not be shown with this file
  std::string cssFehler;
  if (!WriteSortierteAusgabe(a.Dateiname, a, &cssFehler)) {
    wait.restore();
    showSaveFailed(takeSaveError());
    return;
  }
  // A folder that code page 1252 cannot name is not remembered.
  if (const std::string folder = storablePath(a.Dateiname.parent_path()); !folder.empty())
    ordner[static_cast<size_t>(page)] = folder;
  db::exec(gDbPfade,
           "UPDATE PfadeEinzelausgb_10 SET Pfad1=?, Pfad2=?, Pfad3=?, Pfad4=?, Pfad5=?, Pfad6=? "
           "WHERE Disznr=?; ",
           {ordner[0], ordner[1], ordner[2], ordner[3], ordner[4], ordner[5], a.Disznr});
  wait.restore();
  // The page is written; a style sheet that could not go beside it is said on a line of its own.
  QString meldung = qtPath(a.Dateiname) + qs(" \nerfolgreich gespeichert!");
  if (!cssFehler.empty()) meldung += qs("\n" + CssNichtKopiert(cssFehler));
  msg::show(meldung, "Meldung", msg::Ok, cssFehler.empty() ? msg::Information : msg::Warning);
}

void TZikoSortierteAusgabeDlg::InWindowsZwischenablagespeichernF41Click() {
  const _sort_ausgabe a = ausgabeDerSeite(*this);
  std::string& text = gIntdat.AusgabeText;
  switch (a.Listenart) {
    case 1: WriteTxtMschTabellen(a); break;
    case 2: WriteTxtMschErgebnisse(a); break;
    case 3: WriteTxtEinzelErgebnisse(a); break;
    case 4: WriteTxtKlassenErgebnisse(a); break;
    case 5: text = WriteTxtVereinsErgebnisse(a); break;
    default: text = WriteTxtMschFuehrer(a.Vrnr, 0); break;
  }
  clipboard::setText(text);
}

void TZikoSortierteAusgabeDlg::Drucken1Click() {
  if (!printing::printDialog(this)) return;
  const _sort_ausgabe a = ausgabeDerSeite(*this);
  std::unique_ptr<PrintCanvas> canvas = printing::openCanvas();
  if (!canvas) {
    meldeDruckNichtBegonnen();
    return;
  }
  bool begonnen = false;
  switch (a.Listenart) {
    case 1: begonnen = PrintMschTabellen(*canvas, a); break;
    case 2: begonnen = PrintMschErgebnisse(*canvas, a); break;
    case 3: begonnen = PrintEinzelErgebnisse(*canvas, a); break;
    case 4: begonnen = PrintKlassenErgebnisse(*canvas, a); break;
    case 5: begonnen = PrintVereinsErgebnisse(*canvas, a); break;
    default: begonnen = PrintMschFuehrer(*canvas, a.Vrnr, 0); break;
  }
  if (!begonnen) meldeDruckNichtBegonnen();
}
