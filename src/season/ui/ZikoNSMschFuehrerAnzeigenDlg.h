#pragma once
#include <QTreeWidget>

#include "platform/dialog.h"

// The captains of the discipline, of one class or of one club's classes, read-only. The
// club and class come from AnzeigeVrnr and AnzeigeMklnr (below 1: all).
class TZikoNSMschFuehrerAnzeigenDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoNSMschFuehrerAnzeigenDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FillMschFuehrerListe(long vrnr, long mklnr);

  QTreeWidget* ListView1;
};

extern TZikoNSMschFuehrerAnzeigenDlg* ZikoNSMschFuehrerAnzeigenDlg;
