#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/code.h"
#include "core/situation.h"

namespace ausweich {

/// The code of the situation record that a question sets, so that a face or
/// the training can keep the answers given in one analysis apart from the
/// defaults that the record holds besides: a member of the record itself;
/// none for the questions that set none.
using Feld = Code Situation::*;

/// An answer given in one analysis: the code it set and its value.
struct Angabe {
  Feld feld;
  Code code;
};

/// The vessel that a question, a sentence or a duty is about.
enum class Schiff : std::uint8_t {
  a,      // the own vessel
  b,      // the other vessel
  beide,  // both, or the encounter as a whole
};

/// The letter by which the screens and the sentences name a vessel.
constexpr std::string_view buchstabe(Schiff s) {
  return s == Schiff::a ? "A" : s == Schiff::b ? "B" : "A und B";
}

/// What one answer of a menu means, in proper German (UTF-8). The advisor's
/// own screens never show it; the training's descriptions and the app's
/// buttons do.
struct Antwort {
  Code code;               // the value it stands for, the same as its place from 1
  std::string_view knopf;  // a short label, as on a button: "nicht im Fahrwasser"
  /// The sentence that states it in a description. For a question about one
  /// vessel it follows her letter ("ist nicht im Fahrwasser"); otherwise it
  /// stands alone. Empty where the label says all.
  std::string_view satz;
};

/// How a question's answer joins the description of an encounter.
enum class Satzart : std::uint8_t {
  eigene_zeile,  // a line of its own
  anhaengen,     // after a comma on the line before (the length of a type)
};

/// A question of the advisor: as it stands on the screen (the question line,
/// an empty line, then the menu lines, of which an empty text is an empty
/// line), and what its answers mean. Its answers run from 1 to `kmax()`.
struct Frage {
  Feld feld;                                // the code it sets; nullptr: none
  std::string_view frage;                   // the question line on the screen (ASCII)
  std::span<const std::string_view> menue;  // the menu lines on the screen (ASCII)
  std::span<const Antwort> antworten;       // answer 1 first
  std::string_view titel;                   // the question in proper German
  Schiff schiff = Schiff::beide;            // a vessel's letter before each sentence
  Satzart satzart = Satzart::eigene_zeile;

  /// The highest answer the question takes.
  constexpr Code kmax() const { return static_cast<Code>(antworten.size()); }
  /// The meaning of `code`, which must lie from 1 to kmax().
  constexpr const Antwort& antwort(Code code) const {
    return antworten[static_cast<std::size_t>(code - 1)];
  }
};

/// Whether every answer of a table stands in its place, answer 1 first, so
/// that a code indexes its meaning. Each table is checked with it where it is
/// written.
template <std::size_t N>
constexpr bool in_reihe(const Antwort (&antworten)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (antworten[i].code != static_cast<Code>(i + 1) || antworten[i].knopf.empty()) {
      return false;
    }
  }
  return N > 0;
}

}  // namespace ausweich
