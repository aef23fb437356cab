#pragma once
// The schedule lists of the season documents window's choice (AnzeigeVrnr, AnzeigeMklnr;
// 0 for all), shown before they are printed or saved. Refilled at every showing.
#include <QTreeWidget>

#include "platform/dialog.h"

class TZikoNSTerminlistenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSTerminlistenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FillTerminlisten(long verein, long klasse);

  QTreeWidget* ListView1;
};

extern TZikoNSTerminlistenDlg* ZikoNSTerminlistenDlg;
