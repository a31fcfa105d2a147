#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/dialogue.h"

namespace ausweich {

/// The score of a training run. First answers count: in all, and by the rule
/// that decided each item; the answers to repeats are counted apart.
class Wertung {
 public:
  /// The first answer to an item that `regel` decides.
  void erste_antwort(std::string_view regel, bool richtig);
  /// The answer to a repeat.
  void wiederholung(bool richtig);

  /// "Ergebnis: ...", the repeats where there were any, one line per rule
  /// with the most missed first (ties in the order they first came), and the
  /// rules of the wrong answers.
  void schreibe(Dialogue& d) const;

 private:
  struct Regel {
    std::string_view name;
    std::size_t gestellt = 0;
    std::size_t richtig = 0;
    std::size_t falsch() const { return gestellt - richtig; }
  };
  /// The rules in the order of the lines: most missed first.
  std::array<const Regel*, 16> reihenfolge() const;

  std::array<Regel, 16> regeln_{};  // in the order they first came
  std::size_t regel_anzahl_ = 0;
  std::size_t gestellt_ = 0;
  std::size_t richtig_ = 0;
  std::size_t wiederholt_ = 0;
  std::size_t wiederholt_richtig_ = 0;
};

}  // namespace ausweich
