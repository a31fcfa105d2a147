#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/frage.h"
#include "core/line_builder.h"
#include "training/aufgabe.h"
#include "training/lichterlage.h"

namespace ausweich {

/// An item of lights and shapes as the learner meets it: the facts the
/// lights cannot show and what A's lookout sees of B, in words; the question
/// "Was sehen Sie?" with four answers, one right; and the encounter the
/// aspect implies, replayed and solved, for "Wer muss ausweichen?". Its
/// question points into it: it is neither copied nor moved.
class Lichteraufgabe {
 public:
  explicit Lichteraufgabe(const Lichterlage& l);
  Lichteraufgabe(const Lichteraufgabe&) = delete;
  Lichteraufgabe& operator=(const Lichteraufgabe&) = delete;

  const Lichterlage& lage() const { return lage_; }
  /// The encounter, replayed and solved.
  const Aufgabe& aufgabe() const { return aufgabe_; }

  /// The lines that set the item: "Sie führen A, ein Segelfahrzeug", the
  /// facts, the time of day, and last what A sees.
  std::span<const LineBuilder> beschreibung() const { return {zeilen_.data(), anzahl_}; }
  /// What A sees of B.
  const Anblick& anblick() const { return anblick_; }

  /// "Was sehen Sie?": four answers, a kind and a side each.
  const Frage& was_sehen_sie() const { return frage_; }
  /// The right answer to it, from 1 to 4.
  Code richtig() const { return richtig_; }
  /// The kind and side that an answer names.
  Kennzeichnung kennzeichnung(Code antwort) const;
  Seite seite(Code antwort) const;
  /// The rules that tell the right answer: what each kind of the right words
  /// shows, and by night the arcs of the lights.
  std::span<const Regel> gruende() const { return {gruende_.data(), gruende_anzahl_}; }

  /// Tells `l` the item's facts, as a face draws them: the answers that set
  /// the encounter up (clear visibility among them), the bearing of the side
  /// shown, what B shows and the time of day.
  void vorlegen(Listener& l) const;

 private:
  void beschreibe();
  void waehle_antworten();
  void nenne_gruende();

  Lichterlage lage_;
  Aufgabe aufgabe_;
  Anblick anblick_;
  std::array<LineBuilder, DrawnRun::kMaxQuestions + 8> zeilen_;
  std::size_t anzahl_ = 0;
  std::array<Kennzeichnung, 4> kennzeichnungen_{};
  std::array<Seite, 4> seiten_{};
  std::array<LineBuilder, 4> knoepfe_;
  std::array<Antwort, 4> antworten_{};
  Frage frage_{};
  Code richtig_ = 1;
  std::array<Regel, 4> gruende_{};
  std::size_t gruende_anzahl_ = 0;
};

}  // namespace ausweich
