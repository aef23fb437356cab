#pragma once
// The pieces the page builders of the sorted lists share: number texts, rows and columns,
// ranks by position, and the stored pairings, teams and team results they read.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/db.h"
#include "platform/text.h"
#include "ranking/gespeichert.h"
#include "ranking/listen.h"
#include "ranking/ranking.h"

namespace listenbau {

using gespeichert::Key2;
using gespeichert::Key3;
using gespeichert::KeyHash;
using gespeichert::TeamNames;

// Fixed-point text independent of the locale the GUI library may have set.
std::string dezimal(double value, int decimals);
// Ring value in tenths: whole rings, or with one decimal when the discipline keeps tenths.
std::string ringe(long tenths, int32_t zehntel);
std::string schnitt(float tenths);
std::string paarErgebnis(long heim, long gast, int32_t zehntel, const char* trenner);

ListenSpalte spalte(std::string titel, int breite, Ausrichtung a = Ausrichtung::Links);
// The column "Rang" of the ranks that Rang below gives.
ListenSpalte rangSpalte(int breite, Ausrichtung a);
// A row with one cell per column; missing cells stay empty.
void zeile(ListenTabelle& t, std::vector<std::string> zellen, bool fett = false);
void trennzeile(ListenTabelle& t);

// Rank by position; a value equal to the previous row's leaves the rank empty.
template <typename T>
class Rang {
 public:
  std::string operator()(T wert) {
    ++pos_;
    const bool gleich = pos_ > 1 && wert == vorher_;
    vorher_ = wert;
    return gleich ? std::string() : str(pos_);
  }

 private:
  long pos_ = 0;
  T vorher_{};
};

// Width of a column sized to its content, as the window measures it roughly.
void anInhaltAnpassen(ListenTabelle& t, size_t spalte);

const KlassenEintrag* findeKlasse(const std::vector<KlassenEintrag>& klassen, int32_t nr);

// Shooter names by pass number and club: the first stored row counts.
std::unordered_map<Key2, std::string, KeyHash> schuetzenNamen();

template <typename Map, typename Key>
std::string gefunden(const Map& m, const Key& k) {
  auto it = m.find(k);
  return it == m.end() ? std::string() : it->second;
}

// Adds a condition on a key to a statement when a key is given (0 stands for all).
void nurMit(std::string& sql, db::Params& p, const char* bedingung, int32_t wert);

bool storedKey3(const db::Table& t, size_t row, Key3& k);

// Team results of one discipline (optionally one class) by class, club, team and round:
// the first stored row counts, 0 when there is none.
class Mannschaftsergebnisse {
 public:
  Mannschaftsergebnisse(int32_t disznr, int32_t klasseNr);
  long operator()(long klasse, long vrnr, long mschnr, long runde) const {
    auto it = erg_.find(Schluessel{klasse, vrnr, mschnr, runde});
    return it == erg_.end() ? 0 : it->second;
  }

 private:
  using Schluessel = std::array<long, 4>;
  std::map<Schluessel, long> erg_;
};

// Pairings of the discipline in stored order, filtered to a class and/or a round.
struct Paarung {
  long Mklnr, Kampfnr, Heimvrnr, Heimmschnr, Gastvrnr, Gastmschnr;
};
std::vector<Paarung> paarungen(int32_t disznr, int32_t klasseNr, int32_t runde);

// The teams of the discipline's classes in position order, by class number.
std::unordered_map<long, std::vector<Key2>> mannschaftenDerKlassen(int32_t disznr);

// The round of a class: never below 1 and never beyond its last match day.
int32_t klassenRunde(const KlassenEintrag& k, int32_t durchgang);

// The columns and cells of a team table row.
std::vector<ListenSpalte> tabellenSpalten();
std::vector<std::string> tabellenZellen(const _mschtabellen& m, long pos, const TeamNames& namen,
                                        int32_t zehntel);

}  // namespace listenbau
