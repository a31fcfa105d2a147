#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "analysis/nebelhinweise.h"
#include "core/pflicht.h"
#include "core/situation.h"
#include "training/drawn_run.h"

namespace ausweich {

/// An encounter the learner can be asked to decide: the answers that an
/// analysis from a fresh start is given, in the order of its questions, and
/// where two power-driven vessels meet, the bearing at which A sees B. Kept
/// small, since a training run holds all of its own (up to kMaxLagen).
struct Begegnung {
  std::array<std::uint8_t, DrawnRun::kMaxQuestions> antworten{};
  std::uint8_t anzahl = 0;
  Klasse klasse = Klasse::keine;     // the class of the duty that decides it
  Regel regel = Regel::kvr_14_15;    // the rule of the duty that decides it
  Code kvr = hohe_see;               // the regime it starts in
  Code kvtg = freier_seeraum;        // its fairway situation under the KVR
  Peilung peilung = Peilung::offen;  // drawn where rules 14 and 15 decide

  std::span<const std::uint8_t> replies() const { return {antworten.data(), anzahl}; }
};

/// An encounter replayed: the analysis run on its answers from a fresh start,
/// with the record it leaves, as the advisor would meet it in its first
/// analysis.
struct Replay {
  explicit Replay(std::span<const Code> antworten);
  explicit Replay(const Begegnung& b);

  std::array<Code, DrawnRun::kMaxQuestions> antworten{};
  Situation situation;
  Nebelhinweise guidance;
  DrawnRun run;
};

/// Receives the encounters of a walk, one at a time.
class Visitor {
 public:
  virtual ~Visitor() = default;
  virtual void visit(const Begegnung& b) = 0;
};

/// Walks every encounter that the training can draw, in the same order every
/// time: every way of answering one analysis from a fresh start that an
/// examiner would set (see examinable.h), further information declined; where
/// the advisor states rules 14 and 15 in general, once for every bearing
/// that fits the other facts. Keeps nothing: an encounter is found again by
/// walking again. Each comes with the class and the rule of the duty that
/// decides it (loesung.h).
void jede_begegnung(Visitor& besucher);

}  // namespace ausweich
