#pragma once
// The start tables of the current discipline on screen, for the club and class handed over
// in AnzeigeVrnr and AnzeigeMklnr (0 = all). Read-only.
#include <QTreeWidget>

#include "platform/dialog.h"

class TZikoNSStartTabDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSStartTabDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FillStarttabellen(long verein, long klasse);

  QTreeWidget* ListView1;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  // The team names fit the room the class names leave, each with its number in view.
  void fitTeamNames();
};

extern TZikoNSStartTabDlg* ZikoNSStartTabDlg;
