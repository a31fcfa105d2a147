#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/pflicht.h"
#include "training/drawn_run.h"

namespace ausweich {

/// What the law says of one encounter, from the duties its analysis
/// reported: the classes that are right, the one that decides, the partly
/// right ones. The analysis's verdict and duties are the law's (the rule book
/// names their rules); the screen's own lines may say less, and `stimmig`
/// tells whether they say anything the law does not.
class Loesung {
 public:
  /// `run` must be complete; `peilung` is the bearing drawn where rules 14
  /// and 15 decide, which turns their general statement into a duty.
  Loesung(const DrawnRun& run, Peilung peilung);

  /// The duties whose classes are right, one per class, the deciding one
  /// first: an overtaking verdict, else the conduct in a fairway or a traffic
  /// separation scheme reported before the verdict (not impeding there is
  /// what such an encounter turns on), else the verdict; then the others in
  /// the order reported. Empty where the facts decide nothing (a general
  /// verdict).
  std::span<const Pflicht> richtige() const { return {richtige_.data(), anzahl_}; }
  bool entschieden() const { return anzahl_ > 0; }
  /// The deciding duty; only where entschieden().
  const Pflicht& entscheidung() const { return richtige_[0]; }

  Bewertung bewerte(Code antwort) const;
  /// The right duty whose class is `antwort`; nullptr where none.
  const Pflicht* pflicht(Code antwort) const;
  /// For a partly right `antwort`, the stronger duty of the same vessel.
  const Pflicht* staerker(Code antwort) const;

  /// Whether every class that the screen's lines state of `run` is right or
  /// partly right.
  bool stimmig(const DrawnRun& run) const;

 private:
  void nimm(const Pflicht& p);

  std::array<Pflicht, DrawnRun::kMaxDuties + 1> richtige_{};
  std::size_t anzahl_ = 0;
};

}  // namespace ausweich
