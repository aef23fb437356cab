// Prints every list of the program for one district, each into a PDF of its own, to look at
// and to compare with older code (bench/druckschau-vergleich builds this file against both).
// Beside each PDF, <list>.calls records every text the list printed: page, place, width and
// font, so that a script can count lines and cut words without guessing columns from the PDF.
//
// usage: bench_druckschau <output folder> [clubs (14)] [name part: print only those lists]
//
// The district (bench/bezirk.h) goes into <output folder>/db/zielkontor.db; werte.txt lists
// its texts by kind ("mail", "tel", ...), one "kind<TAB>text" a line in code page 1252.
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bezirk.h"
#include "core/db.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/upgrade.h"
#include "output/listenschreiber.h"
#include "output/mschfuehreralledisz.h"
#include "output/mschfuehrerlisten.h"
#include "output/schuetzenliste.h"
#include "output/starttabellen.h"
#include "output/terminlisten.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/qprintercanvas.h"
#include "ranking/ranking.h"

namespace fs = std::filesystem;

namespace {

// Passes every call to a PDF canvas and writes down each text it prints.
class Mitschrift : public PrintCanvas {
 public:
  Mitschrift(const std::string& datei)
      : pdf_(QPrinterCanvas::toPdf(datei + ".pdf")), out_(datei + ".calls", std::ios::binary) {}

  void setOrientation(PageOrientation o) override {
    PrintCanvas::setOrientation(o);
    pdf_->setOrientation(o);
  }
  bool beginDoc() override {
    pdf_->setTitle(title());
    gleiche();
    printing_ = pdf_->beginDoc();
    seite_ = 1;
    out_ << "B\t" << pdf_->pageWidth() << "\t" << pdf_->pageHeight() << "\n";
    return printing_;
  }
  void newPage() override {
    pdf_->newPage();
    ++seite_;
  }
  void endDoc() override {
    pdf_->endDoc();
    printing_ = false;
    out_ << "E\t" << seite_ << "\n";
  }
  int pageWidth() const override { return pdf_->pageWidth(); }
  int pageHeight() const override { return pdf_->pageHeight(); }
  void textOut(int x, int y, const std::string& text) override {
    gleiche();
    pdf_->textOut(x, y, text);
    out_ << "T\t" << seite_ << "\t" << x << "\t" << y << "\t" << pdf_->textWidth(text) << "\t"
         << pdf_->textHeight(text) << "\t" << pdf_->textWidth(" ") << "\t" << font().size << "\t"
         << (font().bold ? 1 : 0) << "\t" << text << "\n";
  }
  int textWidth(const std::string& text) override {
    gleiche();
    return pdf_->textWidth(text);
  }
  int textHeight(const std::string& text) override {
    gleiche();
    return pdf_->textHeight(text);
  }
  void line(int x1, int y1, int x2, int y2) override {
    gleiche();
    pdf_->line(x1, y1, x2, y2);
    out_ << "L\t" << seite_ << "\t" << x1 << "\t" << y1 << "\t" << x2 << "\t" << y2 << "\n";
  }

 private:
  // The font and pen live in this canvas; the PDF canvas draws with them.
  void gleiche() {
    pdf_->setFont(font());
    pdf_->setPenWidth(penWidth());
  }
  std::unique_ptr<QPrinterCanvas> pdf_;
  std::ofstream out_;
  int seite_ = 0;
};

// The printer of the lists that open their own job: each job into the file named next.
class PdfDrucker : public printing::PrinterSystem {
 public:
  std::string datei;
  std::vector<std::string> names() override { return {"PDF"}; }
  QString current() override { return QStringLiteral("PDF"); }
  void select(const std::string&) override {}
  int copies() override { return 1; }
  void setCopies(int) override {}
  bool dialog(QWidget*, bool) override { return true; }
  std::unique_ptr<PrintCanvas> canvas() override { return std::make_unique<Mitschrift>(datei); }
  std::unique_ptr<PrintCanvas> pdfCanvas(const std::string&) override { return canvas(); }
};

PdfDrucker gDrucker;
std::string gAusgabe;  // output folder with a trailing slash
std::string gNur;
int gFehler = 0;

bool gewaehlt(const std::string& name) { return gNur.empty() || name.find(gNur) != std::string::npos; }

void melde(const std::string& name, bool ok) {
  std::printf("%-34s %s\n", name.c_str(), ok ? "ok" : "FAILED");
  std::fflush(stdout);
  if (!ok) ++gFehler;
}

// A list printed on a canvas of its own.
void drucke(const std::string& name, const std::function<bool(PrintCanvas&)>& liste) {
  if (!gewaehlt(name)) return;
  bool ok;
  {
    Mitschrift c(gAusgabe + name);
    ok = liste(c);
  }
  melde(name, ok);
}
// A list that opens its job on the program's printer.
void drucke(const std::string& name, const std::function<bool()>& liste) {
  if (!gewaehlt(name)) return;
  gDrucker.datei = gAusgabe + name;
  melde(name, liste());
}

void druckeAlles(const bezirk::Bezirk& b) {
  const int disz = 0, runde = b.runden;
  const long verein = b.vereine.front();
  const std::string vereinsName = VereinsName(gDbHaupt, verein);
  _sort_ausgabe a;
  a.Disznr = disz;
  a.Durchgang = runde - 1;
  a.MinErgAnzahl = 1;

  drucke("starttabellen", std::function<bool()>([] { return PrintStarttabellen(0, 0); }));
  drucke("starttabellen-klasse", std::function<bool()>([] { return PrintStarttabellen(0, 1); }));
  drucke("starttabellen-verein", std::function<bool()>([&] { return PrintStarttabellen(verein, 0); }));
  drucke("starttabellen-serie", std::function<bool()>(PrintStarttabellenSerie));
  a.Sortart = 0;
  drucke("starttabellen-liste", [&](PrintCanvas& c) { return PrintMschTabellen(c, a); });
  BerechneMannschaftstabellen(runde - 1, disz);
  a.Sortart = 1;
  drucke("mannschaftstabellen", [&](PrintCanvas& c) { return PrintMschTabellen(c, a); });

  a.Sortart = 0;
  drucke("begegnungen", [&](PrintCanvas& c) { return PrintMschErgebnisse(c, a); });
  BerechneMannschaftsringschnitte(runde - 1, disz);
  a.Sortart = 1;
  drucke("ringschnitte", [&](PrintCanvas& c) { return PrintMschErgebnisse(c, a); });
  a.Sortart = 2;
  a.Mklnr = 1;
  drucke("aufstellungen", [&](PrintCanvas& c) { return PrintMschErgebnisse(c, a); });

  // The individual results of the first class in their three displays, the averages of all.
  for (int anzeige = 0; anzeige <= 2; ++anzeige) {
    a.Sortart = anzeige;
    a.Mklnr = 1;
    const std::string n = std::to_string(anzeige);
    if (gewaehlt("einzel" + n + "-klasse")) BerechneEinzelwertung(anzeige, 1, runde - 1, 0, 1, 0, disz);
    drucke("einzel" + n + "-klasse", [&](PrintCanvas& c) { return PrintEinzelErgebnisse(c, a); });
  }
  a.Sortart = 1;
  a.Mklnr = 0;
  if (gewaehlt("einzel1-alle")) BerechneEinzelwertung(1, 0, runde - 1, 0, 1, 0, disz);
  drucke("einzel1-alle", [&](PrintCanvas& c) { return PrintEinzelErgebnisse(c, a); });

  // The class results in the four displays; 2 holds the home/guest table.
  a.Mklnr = 1;
  for (int anzeige = 0; anzeige <= 3; ++anzeige) {
    a.Sortart = anzeige;
    const std::string n = "klasse" + std::to_string(anzeige);
    if (gewaehlt(n)) BerechneEinzelwertung(1, 1, runde - 1, 0, 1, 0, disz);
    drucke(n, [&](PrintCanvas& c) { return PrintKlassenErgebnisse(c, a); });
  }

  a.Mklnr = 0;
  a.Vrnr = static_cast<int32_t>(verein);
  for (int filter = 0; filter <= 1; ++filter) {
    a.Sortart = filter;
    drucke(filter ? "verein-wechsler" : "vereinsergebnisse", [&](PrintCanvas& c) { return PrintVereinsErgebnisse(c, a); });
  }

  drucke("leiter-verein", [&](PrintCanvas& c) { return PrintMschFuehrer(c, static_cast<int>(verein), 0); });
  drucke("leiter-klasse", [](PrintCanvas& c) { return PrintMschFuehrer(c, 0, 1); });
  drucke("leiter-alle", [](PrintCanvas& c) { return PrintMschFuehrer(c, 0, 0); });
  drucke("leiter-serie", std::function<bool()>(PrintMschFuehrerSerie));
  drucke("leiter-alle-disziplinen", std::function<bool()>(PrintMschFuehrerAlleDisz));

  drucke("termine-klasse", [](PrintCanvas& c) { return PrintTerminlisten(c, 0, 1, ""); });
  drucke("termine-alle", [](PrintCanvas& c) { return PrintTerminlisten(c, 0, 0, ""); });
  drucke("termine-verein", [&](PrintCanvas& c) { return PrintTerminlisten(c, verein, 0, vereinsName); });
  drucke("termine-serie", PrintTerminlistenAlleVereine);

  drucke("schuetzen", [&](PrintCanvas& c) { return PrintSchuetzenListen(c, b.vereine, 0); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder> [clubs] [name part]\n", argv[0]);
    return 2;
  }
  const int vereine = argc > 2 ? std::atoi(argv[2]) : 14;
  if (argc > 3) gNur = argv[3];
  const fs::path aus = fs::absolute(argv[1]);
  fs::create_directories(aus / "db");
  gAusgabe = aus.string() + "/";
  for (const char* f : kDbFiles) fs::remove(aus / "db" / f);
  char tmpl[] = "/tmp/druckschau-runtime-XXXXXX";
  if (char* dir = mkdtemp(tmpl)) setenv("XDG_RUNTIME_DIR", dir, 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  printing::setPrinterSystem(&gDrucker);
  msg::setResponder([](const msg::Shown& s) {
    std::fprintf(stderr, "[box \"%s\"] %s\n", s.caption.c_str(), s.text.c_str());
    return (s.buttons == msg::YesNo || s.buttons == msg::YesNoCancel) ? static_cast<int>(msg::IdYes)
                                                                        : static_cast<int>(msg::IdOk);
  });

  fs::current_path(aus / "db");
  if (!OpenDatabases()) return 1;
  InitGlobals();
  gEinstellungen.clear();
  CreateDefaultDatabase(0);
  RunUpgradeProbes(true);
  setFieldText(gEinstellungen.Gauname, "Schützengau Rosenheim-Inn-Chiemgau");
  gEinstellungen.AktDisznr = 0;
  const bezirk::Bezirk b = bezirk::lege(vereine);
  {
    std::ofstream w(aus / "werte.txt", std::ios::binary);
    for (const bezirk::Wert& v : b.werte) w << v.art << "\t" << v.text << "\n";
  }
  druckeAlles(b);
  CloseDatabases();
  return gFehler ? 1 : 0;
}
