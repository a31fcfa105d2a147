#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/frage.h"
#include "core/situation.h"
#include "core/pflicht.h"

namespace ausweich {

class Aufgabe;

/// What the pictures of an encounter are drawn from: the answers given so far
/// in this analysis (not the defaults that the record keeps from an earlier
/// one), the bearing that the training drew, and the duties and the verdict
/// once they are reported. A face keeps one beside its dialogue, starts it
/// afresh with every analysis and hands it every answer and report as it
/// comes; the pictures grow with it.
class Bildangaben {
 public:
  /// A new analysis: everything forgotten.
  void beginne() { *this = Bildangaben(); }
  /// An answer given. One to a question that sets no code, or to a code
  /// that does not exist, is ignored; a question asked again keeps its last
  /// answer.
  void antwort(Feld feld, Code code);
  void antwort(const Angabe& a) { antwort(a.feld, a.code); }
  void antworten(std::span<const Angabe> angaben);
  /// The bearing at which A sees B, where the training drew one.
  void peilung(Peilung p) { peilung_ = p; }
  /// A duty reported beside the verdict; beyond the fourth, ignored.
  void pflicht(const Pflicht& p);
  /// The verdict. Left out, the pictures mark nobody, as in the training
  /// before the learner has answered.
  void urteil(const Pflicht& p);

  /// The answer to `feld`; 0 where it was not given.
  Code code(Feld feld) const {
    const auto i = static_cast<std::size_t>(feld);
    return i < codes_.size() ? codes_[i] : 0;
  }
  Peilung peilung() const { return peilung_; }
  /// The verdict first, if reported, then the other duties.
  std::span<const Pflicht> pflichten() const { return {pflichten_.data(), anzahl_}; }
  bool entschieden() const { return entschieden_; }

 private:
  std::array<Code, static_cast<std::size_t>(Feld::kluv) + 1> codes_{};
  Peilung peilung_ = Peilung::offen;
  std::array<Pflicht, 5> pflichten_{};
  std::size_t anzahl_ = 0;
  bool entschieden_ = false;
};

/// A training item as its pictures show it: its answers and bearing, and with
/// `mit_loesung` the duty that decides it and every other duty whose class
/// counts as right.
Bildangaben bildangaben(const Aufgabe& a, bool mit_loesung);

}  // namespace ausweich
