#pragma once
// Combo boxes as a user meets them: a choice that fires the handlers the window listens to,
// and the entries with the record key each carries, as "text=key|".
#include <QComboBox>
#include <string>

#include "platform/keydata.h"
#include "platform/text.h"

inline void waehle(QComboBox* c, int index) {
  c->setCurrentIndex(index);
  emit c->activated(index);
}

inline std::string comboItems(const QComboBox* c) {
  std::string s;
  for (int i = 0; i < c->count(); ++i) s += fromQs(c->itemText(i)) + "=" + str(comboKey(c, i)) + "|";
  return s;
}
