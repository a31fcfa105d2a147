#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/dialogue.h"
#include "training/draw.h"

namespace ausweich {

/// The training mode: `anzahl` encounters drawn at random (the same ones for
/// the same seed), each described in plain words; the learner says what
/// holds, and the advisor's own verdict explains the answer. A face runs it
/// on its dialogue and shows the score however the run ended.
class Uebung {
 public:
  Uebung(int anzahl, std::uint64_t seed);

  /// Runs the training until every encounter is answered or the learner ends
  /// it with 0.
  void run(Dialogue& d);
  /// The score so far and the rules that were missed.
  void ergebnis(Dialogue& d) const;

 private:
  bool lage(Dialogue& d, const Begegnung& b);
  void aufloesung(Dialogue& d, const Begegnung& b, const Wiedergabe& w, Code antwort);

  std::uint64_t seed_;
  Ziehung ziehung_;
  std::size_t gestellt_ = 0;
  std::size_t richtige_ = 0;
  std::array<std::string_view, kMaxLagen> verpasst_{};  // the rule of each wrong answer
  std::size_t falsche_ = 0;
};

}  // namespace ausweich
