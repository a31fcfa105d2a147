#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/dialogue.h"
#include "training/reihenfolge.h"
#include "training/wertung.h"
#include "training/ziehung.h"

namespace ausweich {

class Aufgabe;

/// The training mode: `anzahl` encounters drawn at random (the same ones for
/// the same seed), each described in plain words; the learner says what
/// holds, and the advisor's own verdict explains the answer. An item answered
/// wrongly comes back once, three new items later or at the end. A face runs
/// it on its dialogue and shows the score however the run ended.
class Uebung {
 public:
  Uebung(int anzahl, std::uint64_t seed);
  /// A training of the items that `lagen` name (see `ziehe`), such as those
  /// a learner answered wrongly before.
  explicit Uebung(std::span<const Herkunft> lagen);

  /// Runs the training until every item is answered or the learner ends it
  /// with 0.
  void run(Dialogue& d);
  /// The score so far.
  void ergebnis(Dialogue& d) const;

 private:
  void einleitung(Dialogue& d) const;
  /// Asks item `lage`, new or as a repeat; false when the learner ended.
  bool stelle(Dialogue& d, std::size_t lage, bool wiederholung);
  /// Counts the answer to item `lage` and says how it stands.
  Beurteilung auswerten(std::size_t lage, bool wiederholung, const Aufgabe& a,
                        Code antwort);

  std::uint64_t seed_ = 0;
  bool ausgewaehlt_ = false;  // the items were named, not drawn
  Ziehung ziehung_;
  std::array<Herkunft, kMaxLagen> herkunft_{};  // where each item comes from
  Reihenfolge reihenfolge_;
  Wertung wertung_;
};

}  // namespace ausweich
