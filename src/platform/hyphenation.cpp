#include "platform/hyphenation.h"

#include <hyphen.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace {

// The patterns are ISO 8859-1, which agrees with code page 1252 on every letter they know.
const char* const kPatterns = "/usr/share/hyphen/hyph_de_DE.dic";

struct DictFree {
  void operator()(HyphenDict* d) const { hnj_hyphen_free(d); }
};

// The patterns make some hundred thousand small blocks. Loaded on a thread of their own they
// lie in that thread's heap, where they do not slow down the allocations of a print job.
HyphenDict* load() {
  HyphenDict* dict = nullptr;
  std::thread([&dict] { dict = hnj_hyphen_load(kPatterns); }).join();
  return dict;
}

HyphenDict* dictionary() {
  // Loaded once, on the first word that needs it; a missing file leaves only other breaks.
  static const std::unique_ptr<HyphenDict, DictFree> dict(load());
  return dict.get();
}

// The patterns are lower case.
char lower(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char>(c + 32);
  return ch;
}

bool vowel(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y' || c == 0xE4 || c == 0xF6 || c == 0xFC;
}

// Parts of compounds at whose joint the patterns cut a letter off ("Bahnhofs-traße",
// "Krei-so-berliga", "Kleinkali-be-rauflage"): a break one letter before or after such a part's
// start moves to its start.
const char* const kTeile[] = {"stra\xDF" "e", "strasse", "oberliga", "ergebnis", "auflage"};

bool diphthong(char a, char b) {
  const auto x = static_cast<unsigned char>(a), y = static_cast<unsigned char>(b);
  return (x == 'a' && (y == 'u' || y == 'i')) || (x == 'e' && (y == 'i' || y == 'u')) || (x == 0xE4 && y == 'u');
}

}  // namespace

std::vector<size_t> syllableBreaks(std::string_view word) {
  std::vector<size_t> out;
  HyphenDict* dict = dictionary();
  if (!dict || word.size() < 4) return out;
  std::string lowered(word);
  for (char& c : lowered) c = lower(c);
  std::string hyphens(word.size() + 5, '\0');
  char** rep = nullptr;
  int* pos = nullptr;
  int* cut = nullptr;
  const int len = static_cast<int>(lowered.size());
  if (hnj_hyphen_hyphenate3(dict, lowered.c_str(), len, hyphens.data(), nullptr, &rep, &pos,
                            &cut, 2, 3, 2, 2) == 0) {
    std::vector<size_t> all;
    for (int i = 1; i + 3 < len; ++i) {
      // A break that changes the letters around it (old spellings) is not taken.
      if (!(hyphens[static_cast<size_t>(i)] & 1) || (rep && rep[i])) continue;
      size_t p = static_cast<size_t>(i) + 1;
      // A vowel after a diphthong begins the next syllable: "Gau-oberliga", not "Gauo-berliga".
      if (p >= 4 && vowel(lowered[p - 1]) && diphthong(lowered[p - 3], lowered[p - 2])) --p;
      all.push_back(p);
    }
    for (const char* teil : kTeile)
      for (size_t at = lowered.find(teil, 2); at != std::string::npos; at = lowered.find(teil, at + 1))
        for (size_t& p : all)
          if (p + 1 == at || p == at + 1) p = at;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    // Every syllable holds a vowel: "Rück-runde", not "Rü-ck-runde".
    auto hasVowel = [&](size_t a, size_t b) {
      for (size_t i = a; i < b; ++i)
        if (vowel(lowered[i])) return true;
      return false;
    };
    for (size_t k = all.size(); k-- > 0;)
      if (!hasVowel(all[k], k + 1 < all.size() ? all[k + 1] : lowered.size())) all.erase(all.begin() + static_cast<long>(k));
    // Nor one after a syllable of a single letter, which would leave that letter at a line's
    // end.
    for (size_t k = 0; k < all.size(); ++k)
      if (all[k] - (k > 0 ? all[k - 1] : 0) > 1) out.push_back(all[k]);
  }
  if (rep) {
    for (int i = 0; i < len; ++i) std::free(rep[i]);
    std::free(rep);
  }
  std::free(pos);
  std::free(cut);
  return out;
}
