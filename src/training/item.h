#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/verdict.h"
#include "training/description.h"
#include "training/encounters.h"

namespace ausweich {

/// An encounter as the learner meets it: replayed in the advisor, described
/// in plain words, and with every class of duty that the facts support.
class Aufgabe {
 public:
  explicit Aufgabe(const Begegnung& b);

  const Begegnung& begegnung() const { return begegnung_; }
  const DrawnRun& run() const { return wiedergabe_.run; }
  const Lagebeschreibung& beschreibung() const { return beschreibung_; }

  /// The duty that decides it: the verdict, or where the advisor states
  /// rules 14 and 15 in general, the one they put on this bearing.
  const Pflicht& entscheidung() const { return richtige_[0]; }
  /// The duties whose classes count as right, one per class, the deciding
  /// one first: beside it every other duty with a class that the analysis
  /// reported (today only duties not to impede).
  std::span<const Pflicht> richtige() const { return {richtige_.data(), anzahl_}; }
  /// Whether the learner's answer names one of them.
  bool richtig(Code antwort) const;

 private:
  void nimm(const Pflicht& p);

  Begegnung begegnung_;
  Wiedergabe wiedergabe_;
  Lagebeschreibung beschreibung_;
  std::array<Pflicht, DrawnRun::kMaxDuties + 1> richtige_{};
  std::size_t anzahl_ = 0;
};

}  // namespace ausweich
