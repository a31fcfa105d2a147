#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/dialogue.h"
#include "training/lichterziehung.h"
#include "training/reihenfolge.h"
#include "training/wertung.h"

namespace ausweich {

class Lichteraufgabe;

/// The training of lights and shapes: `anzahl` items drawn at random (the
/// same ones for the same seed). Each tells what A's lookout sees of B and
/// asks two questions: "Was sehen Sie?" (her kind and the side she shows)
/// and "Wer muss ausweichen?" (the classes of the training of encounters),
/// each with its feedback and its reasons from the rule book. An item with a
/// first answer not right comes back once, three new items later or at the
/// end. A face runs it on its dialogue and shows the score however the run
/// ended.
///
/// What a face is told, item by item, through the dialogue's listener: the
/// heading and the description as `say` (Zeilenart::lage, beschreibung; the
/// last description line is what A sees); the facts with `vorlage` (the
/// encounter's answers, clear visibility, the bearing of the side shown and
/// B's Kennzeichnung); "Was sehen Sie?" as `choosing`/`chosen`, its
/// feedback as `say` (urteil, grund); "Wer muss ausweichen?" as
/// `choosing`/`chosen`; the solution as `verdict` and `duty`; its feedback
/// as the training of encounters gives it; then a wait (Halt::loesung).
class Lichteruebung {
 public:
  Lichteruebung(int anzahl, std::uint64_t seed);

  /// Runs the training until every item is answered or the learner ends it
  /// with 0.
  void run(Dialogue& d);
  /// The score so far.
  void ergebnis(Dialogue& d) const;

  const Lichterziehung& ziehung() const { return ziehung_; }

 private:
  void einleitung(Dialogue& d) const;
  /// Asks item `lage`, new or as a repeat; false when the learner ended.
  bool stelle(Dialogue& d, std::size_t lage, bool wiederholung);
  void auswerten(std::size_t lage, bool wiederholung, const Lichteraufgabe& a,
                 Code gesehen, Code ausweichen);

  std::uint64_t seed_;
  Lichterziehung ziehung_;
  Reihenfolge reihenfolge_;
  Wertung wertung_;
};

}  // namespace ausweich
