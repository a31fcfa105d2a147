#pragma once

#include <set>
#include <vector>

#include "core/frage.h"
#include "core/pflicht.h"
#include "core/situation.h"

namespace ausweich::testing {

/// The law once more, written apart from the analyses and the rule book, as a
/// licence course states it: which classes of duty hold for an encounter,
/// from its facts alone. The tests hold every training item against it.
struct Gesetz {
  std::set<Klasse> richtig;            // the classes whose duty holds
  Klasse entscheidet = Klasse::keine;  // the one the encounter turns on
  std::set<Klasse> teilweise;          // a weaker duty of a vessel that must give way
};

/// The codes that an analysis asked.
class Gefragt {
 public:
  void insert(Feld f) { felder_.push_back(f); }
  bool count(Feld f) const {
    for (const Feld g : felder_) {
      if (g == f) return true;
    }
    return false;
  }

 private:
  std::vector<Feld> felder_;
};

/// The law for the record `s` of one analysis from a fresh start, as the
/// training describes it (with the advisor's assumptions), at the bearing
/// `p` where one was drawn. Only the codes in `gefragt` were asked; the
/// others hold defaults and do not count.
Gesetz gesetz(const Situation& s, Peilung p, const Gefragt& gefragt);

}  // namespace ausweich::testing
