#include "masterdata/ui/DisziplinAuswahl.h"

#include <QSignalBlocker>

#include "core/db.h"
#include "core/globals.h"
#include "platform/keydata.h"

void FillDisziplinenCombo(QComboBox* combo, int current) {
  QSignalBlocker block(combo);
  combo->clear();
  db::Table t = db::query(gDbHaupt, "SELECT Nr, Bezeichnung FROM Disznamen ORDER BY Nr ASC;");
  for (size_t r = 0; r < t.size(); ++r) addComboItem(combo, t.text(r, 1), t.num(r, 0));
  combo->setCurrentIndex(comboIndexOfKey(combo, current));
}
