#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "analysis/visibility_guidance.h"
#include "core/situation.h"
#include "core/verdict.h"
#include "training/drawn_run.h"

namespace ausweich {

/// An encounter the learner can be asked to decide: the answers that an
/// analysis from a fresh start is given, in the order of its questions. Kept
/// small, since a training run holds every one of them.
struct Begegnung {
  std::array<std::uint8_t, DrawnRun::kMaxQuestions> antworten{};
  std::uint8_t anzahl = 0;
  Klasse klasse = Klasse::keine;  // the class of its verdict
  Code kvr = hohe_see;            // the regime it starts in

  std::span<const std::uint8_t> replies() const { return {antworten.data(), anzahl}; }
};

/// An encounter replayed: the analysis run on its answers from a fresh start,
/// with the record it leaves, as the advisor would meet it in its first
/// analysis.
struct Wiedergabe {
  explicit Wiedergabe(std::span<const Code> antworten);
  explicit Wiedergabe(const Begegnung& b);

  std::array<Code, DrawnRun::kMaxQuestions> antworten{};
  Situation situation;
  VisibilityGuidance guidance;
  DrawnRun run;
};

/// Receives the encounters of a walk, one at a time.
class Besucher {
 public:
  virtual ~Besucher() = default;
  virtual void besuche(const Begegnung& b) = 0;
};

/// Walks every encounter that the training can draw, in the same order every
/// time: every way of answering one analysis from a fresh start whose verdict
/// decides the encounter (the general rules for two power-driven vessels are
/// left out), further information declined. Keeps nothing: an encounter is
/// found again by walking again.
void jede_begegnung(Besucher& besucher);

}  // namespace ausweich
