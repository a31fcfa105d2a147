#pragma once

#include <array>
#include <cstddef>

#include "core/dialogue.h"
#include "core/regelbuch.h"
#include "training/ziehung.h"

namespace ausweich {

/// The score of a training run, as an examiner marks it: first answers
/// count, partly right ones as not right, each credited to the topic of the
/// rule that decided it (or, where the learner named another right duty, of
/// that duty's rule); the pass mark of the licence exams, at least 80 % of
/// the first answers right. The answers to repeats are counted apart.
class Wertung {
 public:
  /// The share of first answers that passes, in per cent.
  static constexpr std::size_t kBestehensgrenze = 80;

  /// The first answer to item `lage` (counted from 0), credited to `thema`.
  void erste_antwort(std::size_t lage, Thema thema, bool richtig);
  /// The answer to a repeat.
  void wiederholung(bool richtig);

  /// "Ergebnis: ..." with the pass mark, the repeats where there were any,
  /// one line per topic asked (in the order of kThemen), and the items not
  /// answered right, each once with its topic.
  void schreibe(Dialogue& d) const;

  bool bestanden() const { return richtig_ * 100 >= gestellt_ * kBestehensgrenze; }

 private:
  struct Zaehler {
    std::size_t gestellt = 0;
    std::size_t richtig = 0;
  };
  struct Fehler {
    std::size_t lage;
    Thema thema;
  };
  static constexpr std::size_t kThemenzahl = std::size(kThemen);

  std::array<Zaehler, kThemenzahl> themen_{};
  std::array<Fehler, 2 * kMaxLagen> fehler_{};  // an item may ask two questions
  std::size_t fehler_anzahl_ = 0;
  std::size_t gestellt_ = 0;
  std::size_t richtig_ = 0;
  std::size_t wiederholt_ = 0;
  std::size_t wiederholt_richtig_ = 0;
};

}  // namespace ausweich
