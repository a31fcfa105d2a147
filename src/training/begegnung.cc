#include "training/begegnung.h"

#include "analysis/hauptprogramm.h"
#include "training/pruefbar.h"

namespace ausweich {
namespace {

/// The answers of `run` as the encounter it was, or false when the run
/// cannot be one (it overflowed, or it ended without a verdict).
bool als_begegnung(const DrawnRun& run, const Situation& s, Begegnung& b) {
  if (!run.complete() || !run.decided()) return false;
  b.anzahl = 0;
  for (const DrawnRun::Answer& a : run.answers()) {
    b.antworten[b.anzahl++] = static_cast<std::uint8_t>(a.value);
  }
  b.kvr = s.kvr;
  b.kvtg = s.kvtg;
  return true;
}

/// Visits the encounters that one way of answering gives: none where no
/// examiner would set it; where the advisor states rules 14 and 15 in
/// general, one for each bearing that fits.
void alle_besuchen(Visitor& besucher, const Replay& w) {
  Begegnung b;
  if (!als_begegnung(w.run, w.situation, b)) return;
  const auto eine = [&](Peilung peilung) {
    b.peilung = peilung;
    const Loesung l(w.run, peilung);
    if (!pruefbar(w.situation, w.run, l)) return;
    b.klasse = klasse(l.entscheidung());
    b.regel = l.entscheidung().regel;
    besucher.visit(b);
  };
  if (w.run.reported().regel != Regel::kvr_14_15) {
    eine(Peilung::offen);
    return;
  }
  const Peilungen peilungen = passende_peilungen(w.situation);
  for (std::size_t i = 0; i < peilungen.anzahl; ++i) eine(peilungen.liste[i]);
}

/// A way of answering one analysis: the answers given so far, with the
/// highest answer of each question.
struct Path {
  std::array<DrawnRun::Answer, DrawnRun::kMaxQuestions> schritte{};
  std::size_t laenge = 0;

  /// Takes over the questions that `run` asked and how they were answered.
  void folge(const DrawnRun& run) {
    laenge = 0;
    for (const DrawnRun::Answer& a : run.answers()) schritte[laenge++] = a;
  }

  /// Moves to the next way of answering, in the order of a depth-first walk:
  /// the last answer that can still grow grows, everything after it is
  /// dropped. Declined questions never vary. False when every way is done.
  bool weiter() {
    while (laenge > 0 &&
           (schritte[laenge - 1].after_verdict ||
            schritte[laenge - 1].value >= schritte[laenge - 1].frage->kmax())) {
      --laenge;
    }
    if (laenge == 0) return false;
    ++schritte[laenge - 1].value;
    return true;
  }
};

}  // namespace

Replay::Replay(std::span<const Code> gegeben) : run(gegeben) {
  analyse(run, situation, guidance);
}

Replay::Replay(const Begegnung& b) : run({antworten.data(), b.anzahl}) {
  for (std::size_t i = 0; i < b.anzahl; ++i) antworten[i] = b.antworten[i];
  analyse(run, situation, guidance);
}

void jede_begegnung(Visitor& besucher) {
  Path pfad;
  std::array<Code, DrawnRun::kMaxQuestions> antworten{};
  do {
    for (std::size_t i = 0; i < pfad.laenge; ++i) antworten[i] = pfad.schritte[i].value;
    const Replay w(std::span<const Code>(antworten.data(), pfad.laenge));
    pfad.folge(w.run);
    alle_besuchen(besucher, w);
  } while (pfad.weiter());
}

}  // namespace ausweich
