#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "analysis/visibility_guidance.h"
#include "console/verdict.h"
#include "situation/situation.h"
#include "training/drawn_run.h"

namespace ausweich {

/// An encounter the learner can be asked to decide: the answers that an
/// analysis from a fresh start is given, in the order of its questions. Kept
/// small, since a training run holds every one of them.
struct Begegnung {
  std::array<std::uint8_t, DrawnRun::kMaxQuestions> antworten{};
  std::uint8_t anzahl = 0;
  Pflicht pflicht = Pflicht::allgemein;
  Code kvr = hohe_see;  // the regime it starts in

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

/// Every encounter that the training can draw: every way of answering one
/// analysis from a fresh start whose verdict decides the encounter (the
/// general rules for two power-driven vessels are left out), further
/// information declined.
std::vector<Begegnung> alle_begegnungen();

}  // namespace ausweich
