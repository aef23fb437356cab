#pragma once
// The documents of a new season for the current discipline: start tables, schedule lists
// and team-captain lists, each page with a club and a class choice, shown, printed, printed
// per club, saved or put on the clipboard.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "output/saisondokumente.h"
#include "platform/dialog.h"

class TZikoNSAusgabenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSAusgabenDlg(QWidget* parent = nullptr);

  void FormShow() override;

  // The chosen club and class of a page: the key of the chosen entry, 0 for "all".
  static long gewaehlterVerein(const QComboBox* vereine);
  static long gewaehlteKlasse(const QComboBox* klassen);
  // The chosen club's name as listed; empty for "all".
  static std::string gewaehlterVereinsname(const QComboBox* vereine);

  // The save command every page shares: the dialog with the page's title, name and
  // remembered folder; the writer gets the final name and the chosen type (1 text, 2 HTML,
  // 3 dBASE) and says whether the file was written. The folder is kept only on success.
  struct Speicherziel {
    std::string titel;
    std::string dateiname;
    SaisonOrdner ordner = SaisonOrdner::Starttabellen;
    bool mitDbf = false;
  };
  using Schreiber = std::function<bool(const std::filesystem::path& datei, int format)>;
  void speichernUnter(const Speicherziel& ziel, const Schreiber& schreiber);

  // Start tables
  void ComboBoxSttabVrChange();
  void ButtonStTabAnzeigenClick();
  void ButtonStTabDrucken1Click();
  void ButtonStartTabSerienDruckClick();
  void ButtonStTabSpeichernUnter1Click();
  void ButtonStTabClipboardClick();

  // Schedule lists
  void ComboBoxVrTlChange();
  void ButtonTLAnzeigenClick();
  void ButtonTLDrucken2Click();
  void ButtonTerminlistenSerienDruckClick();
  void ButtonTLSpeichernUnter2Click();
  void ButtonTLClipboardClick();

  // Team captains
  void ComboBoxMFVrChange();
  void ButtonMFAnzeigeClick();
  void ButtonMFDruckenClick();
  void ButtonMFSerienDruckClick();
  void ButtonMFSpeichernClick();
  void ButtonMFClipboardClick();

  void ButtonHilfe1Click() { showHelp(); }

  QTabWidget* PageControl1;
  QWidget* Starttabellen;
  QWidget* Terminlisten;
  QWidget* Mannschaftsfuehrer;

  QGroupBox* GroupBoxStarttab1;
  QGroupBox* GroupBoxStarttab2;
  QComboBox* ComboBoxSttabVr;
  QComboBox* ComboBoxKlasseSttab;
  QPushButton* ButtonStTabAnzeigen;
  QPushButton* ButtonStTabDrucken1;
  QPushButton* ButtonStTabSpeichernUnter1;
  QPushButton* ButtonStTabClipboard;
  QLabel* LabelStarttabSerie;
  QPushButton* ButtonStartTabSerienDruck;

  QGroupBox* GroupBoxTl1;
  QGroupBox* GroupBoxTl2;
  QComboBox* ComboBoxVrTl;
  QComboBox* ComboBoxKlasseTrlist;
  QPushButton* ButtonTLAnzeigen;
  QPushButton* ButtonTLDrucken2;
  QPushButton* ButtonTLSpeichernUnter2;
  QPushButton* ButtonTLClipboard;
  QLabel* Label5;
  QPushButton* ButtonTerminlistenSerienDruck;

  QGroupBox* GroupBoxMF1;
  QGroupBox* GroupBoxMF2;
  QComboBox* ComboBoxMFVr;
  QComboBox* ComboBoxKlasseMF;
  QPushButton* ButtonMFAnzeige;
  QPushButton* ButtonMFDrucken;
  QPushButton* ButtonMFSpeichern;
  QPushButton* ButtonMFClipboard;
  QLabel* LabelMFSerie;
  QPushButton* ButtonMFSerienDruck;

  QPushButton* ButtonAbbrechen;
  QPushButton* ButtonHilfe1;

 private:
  void fillClassList(QComboBox* klassen, long verein);
  std::string disziplin_;
};

extern TZikoNSAusgabenDlg* ZikoNSAusgabenDlg;

// Says that the printer refused to begin the job.
void meldeDruckNichtBegonnen();
