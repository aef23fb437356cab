#pragma once
// The sorted-output window over the hand-made season of sortsaison.h, discipline 0 chosen;
// message boxes are scripted for the whole test.
#include <memory>

#include "core/globals.h"
#include "output/ui/ZikoSortierteAusgabeDlg.h"
#include "platform/messages.h"
#include "ranking/sortsaison.h"
#include "support/combos.h"

class SortedOutputTest : public SortSaison {
 protected:
  void SetUp() override {
    SortSaison::SetUp();
    gEinstellungen.AktDisznr = 0;
    dlg = std::make_unique<TZikoSortierteAusgabeDlg>();
  }
  void TearDown() override {
    dlg.reset();
    SortSaison::TearDown();
  }

  msg::ScriptedMessages boxes;
  std::unique_ptr<TZikoSortierteAusgabeDlg> dlg;
};
