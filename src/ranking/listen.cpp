#include "ranking/listen.h"

bool ListenZeile::leer() const {
  for (const std::string& z : Zellen)
    if (z.find_first_not_of(' ') != std::string::npos) return false;
  return true;
}

ListenTabelle StarttabellenListe(int32_t) { return {}; }
ListenTabelle MannschaftstabellenListe(int32_t, int32_t) { return {}; }
ListenTabelle BegegnungenListe(int32_t, int32_t, int32_t) { return {}; }
ListenTabelle MannschaftsRingschnittListe() { return {}; }
ListenTabelle AufstellungenListe(int32_t, int32_t, int32_t, int32_t) { return {}; }
ListenTabelle EinzelergebnisListe(int32_t, int32_t, int32_t, int32_t, int32_t) { return {}; }
KlassenListen KlassenergebnisListen(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                                    int32_t) {
  return {};
}
void KlassenRundenliste(int32_t, int32_t, int32_t) {}
ListenTabelle VereinsergebnisListe(int32_t, int32_t, int32_t, bool, int32_t) { return {}; }
ListenTabelle MannschaftsleiterListe(int32_t, int32_t, int32_t) { return {}; }
std::vector<VereinsEintrag> VereineMitMannschaften(int32_t) { return {}; }
std::vector<KlassenEintrag> KlassenListe(int32_t) { return {}; }
int32_t MaxAnzahlTermine(const std::vector<KlassenEintrag>&) { return 0; }
