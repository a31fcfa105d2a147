#pragma once

#include "core/listener.h"
#include "core/pflicht.h"
#include "training/begegnung.h"
#include "training/lagebeschreibung.h"
#include "training/loesung.h"

namespace ausweich {

/// An encounter as the learner meets it: replayed in the advisor, described
/// in plain words, and solved by the law.
class Aufgabe {
 public:
  explicit Aufgabe(const Begegnung& b);

  const Begegnung& begegnung() const { return begegnung_; }
  const DrawnRun& run() const { return wiedergabe_.run; }
  const Situation& situation() const { return wiedergabe_.situation; }
  const Lagebeschreibung& beschreibung() const { return beschreibung_; }
  const Loesung& loesung() const { return loesung_; }

  /// The duty that decides it (see Loesung).
  const Pflicht& entscheidung() const { return loesung_.entscheidung(); }
  /// The duties whose classes count as right, the deciding one first.
  std::span<const Pflicht> richtige() const { return loesung_.richtige(); }
  /// Whether the learner's answer is right.
  bool richtig(Code antwort) const {
    return loesung_.bewerte(antwort) == Bewertung::richtig;
  }

  /// Tells `l` the item's facts, as a face draws them: the answers that set
  /// it up and the bearing drawn.
  void vorlegen(Listener& l) const;
  /// Tells `l` its solution: the deciding duty as the verdict, every other
  /// right one as a duty beside it.
  void aufloesen(Listener& l) const;

 private:
  Begegnung begegnung_;
  Replay wiedergabe_;
  Lagebeschreibung beschreibung_;
  Loesung loesung_;
};

}  // namespace ausweich
