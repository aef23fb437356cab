#pragma once
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "platform/dialog.h"

// A titled group of radio buttons whose choice is an item index, the way display
// choices are stored.
class RadioGroupBox : public QGroupBox {
 public:
  RadioGroupBox(const QString& title, const QStringList& items, QWidget* parent);
  int itemIndex() const { return group->checkedId(); }
  void setItemIndex(int index);
  QButtonGroup* group;
};

// Edits one stored output job of the action list: its kind (the page), file or printer,
// class, display choice and minimum rings.
class TZikoSAALEinstellungenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoSAALEinstellungenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void bernehmen1Click();
  void AbbrechenESC1Click() { closeWith(mrCancel); }
  void HilfeF11Click() { showHelp(); }
  // Pages 0-3 share one behaviour each for the path and printer buttons.
  void PfadSucheClick(int page);
  void PrinterSucheClick(int page);
  void AusgabeartClick(bool drucker);
  void ButtonErgDateiPfadSucheClick();
  void ComboBoxMklEErgChange() { RadioGroupEErgSortArtClick(); }
  void RadioGroupEErgSortArtClick();
  void ComboBoxMklKlergChange() { RadioGroupKlergSortArtClick(); }
  void RadioGroupKlergSortArtClick();

  QMenuBar* MainMenu1;
  QTabWidget* PageControl1;
  QGroupBox* GroupBoxMschTab;
  QGroupBox* GroupBoxMschBegg;
  QGroupBox* GroupBoxEErg;
  QGroupBox* GroupBoxKlerg;
  RadioGroupBox* RadioGroupMschTabSortArt;
  RadioGroupBox* RadioGroupMschergSortArt;
  RadioGroupBox* RadioGroupEErgSortArt;
  RadioGroupBox* RadioGroupKlergSortArt;
  QComboBox* ComboBoxMklEErg;
  QComboBox* ComboBoxMklKlerg;
  QLineEdit* EditMinErgRinge;
  QRadioButton *RadioButtonDateiMschTab, *RadioButtonDruckerMschTab;
  QRadioButton *RadioButtonDateiMschBgg, *RadioButtonDruckerMschBgg;
  QRadioButton *RadioButtonDateiEErg, *RadioButtonDruckerEErg;
  QRadioButton *RadioButtonDateiKlerg, *RadioButtonDruckerKlerg;
  QLineEdit *EditPfadMschTab, *EditPfadMschBegg, *EditPfadEErg, *EditPfadKlErg;
  QPushButton *ButtonMschTabPfadSuche, *ButtonMschBeggPfadSuche, *ButtonEErgPfadSuche, *ButtonKlergPfadSuche;
  QLineEdit *EditDruckerMtab, *EditDruckerMBegg, *EditDruckerEErg, *EditDruckerKlerg;
  QPushButton *ButtonMschTabPrinterSuche, *ButtonMschBeggPrinterSuche, *ButtonEErgPrinterSuche,
      *ButtonKlergPrinterSuche;
  QLineEdit* EditRwdDatei;
  QPushButton* ButtonErgDateiPfadSuche;
  QLabel* Label5;

  int copyCount() const { return copies_; }

 private:
  // The controls that pages 0-3 have alike.
  struct Ausgabe {
    QGroupBox* gruppe;
    RadioGroupBox* anzeige;
    QRadioButton* datei;
    QRadioButton* drucker;
    QLineEdit* pfad;
    QPushButton* pfadSuche;
    QLineEdit* druckerName;
    QPushButton* druckerSuche;
  };
  QWidget* buildPage(int page, const QString& caption, const QStringList& choices, QComboBox* klasse);

  Ausgabe seiten_[4];
  std::string diszName_;
  int copies_ = 0;
};

extern TZikoSAALEinstellungenDlg* ZikoSAALEinstellungenDlg;
