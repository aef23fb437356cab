#include "season/ui/KlassenAuswahl.h"

#include <QSignalBlocker>

#include "core/globals.h"
#include "platform/keydata.h"
#include "season/klassenfolge.h"

void FillKlassenCombo(QComboBox* combo, int disznr) {
  QSignalBlocker block(combo);
  combo->clear();
  for (const KlasseKurz& k : KlassenDerDisziplin(gDbHaupt, disznr)) addComboItem(combo, k.name, k.nr);
  combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}
