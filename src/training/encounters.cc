#include "training/encounters.h"

#include "analysis/main_loop.h"

namespace ausweich {
namespace {

/// The answers of `run` as the encounter it was, or false when the run
/// cannot be one (it overflowed).
bool als_begegnung(const DrawnRun& run, Code kvr, Begegnung& b) {
  if (!run.complete() || !run.decided()) return false;
  b.anzahl = 0;
  for (const DrawnRun::Answer& a : run.answers()) {
    b.antworten[b.anzahl++] = static_cast<std::uint8_t>(a.value);
  }
  b.pflicht = run.reported().pflicht;
  b.kvr = kvr;
  return true;
}

/// Moves `pfad` to the next way of answering, in the order of a depth-first
/// walk: the last answer that can still grow grows, everything after it is
/// dropped. Declined questions never vary. False when every way is done.
bool naechster_pfad(std::vector<DrawnRun::Answer>& pfad) {
  while (!pfad.empty() &&
         (pfad.back().after_verdict || pfad.back().value >= pfad.back().kmax)) {
    pfad.pop_back();
  }
  if (pfad.empty()) return false;
  ++pfad.back().value;
  return true;
}

}  // namespace

Wiedergabe::Wiedergabe(std::span<const Code> gegeben) : run(gegeben) {
  analyse(run, situation, guidance);
}

Wiedergabe::Wiedergabe(const Begegnung& b) : run({antworten.data(), b.anzahl}) {
  for (std::size_t i = 0; i < b.anzahl; ++i) antworten[i] = b.antworten[i];
  analyse(run, situation, guidance);
}

std::vector<Begegnung> alle_begegnungen() {
  std::vector<Begegnung> alle;
  std::vector<DrawnRun::Answer> pfad;
  std::vector<Code> antworten;
  do {
    antworten.clear();
    for (const DrawnRun::Answer& a : pfad) antworten.push_back(a.value);
    const Wiedergabe w(antworten);
    pfad.assign(w.run.answers().begin(), w.run.answers().end());
    Begegnung b;
    if (als_begegnung(w.run, w.situation.kvr, b) && b.pflicht != Pflicht::allgemein) {
      alle.push_back(b);
    }
  } while (naechster_pfad(pfad));
  return alle;
}

}  // namespace ausweich
