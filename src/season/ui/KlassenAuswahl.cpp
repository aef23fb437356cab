#include "season/ui/KlassenAuswahl.h"

#include <QSignalBlocker>

#include "core/globals.h"
#include "platform/keydata.h"
#include "season/klassenfolge.h"

void FillKlassenCombo(QComboBox* combo, int disznr, const char* alle) {
  QSignalBlocker block(combo);
  combo->clear();
  if (alle) addComboItem(combo, alle, 0);
  for (const KlasseKurz& k : KlassenDerDisziplin(gDbHaupt, disznr)) addComboItem(combo, k.name, k.nr);
  combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}
