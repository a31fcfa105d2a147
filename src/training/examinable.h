#pragma once

#include <array>
#include <cstddef>

#include "core/situation.h"
#include "training/drawn_run.h"

namespace ausweich {

/// Whether an examiner would set the encounter that `run` decided on the
/// record `s`. Not set are an overtaking vessel that is not under command or
/// restricted in her ability to manoeuvre (by KVR Regel 3 f) and g) she is
/// unable to keep out of the way; one constrained by her draught may
/// overtake), and under the SeeSchStrO a B not under command that is made to
/// give way or to wait. The advisor keeps these verdicts; the training does
/// not teach them.
bool pruefbar(const Situation& s, const DrawnRun& run);

/// The bearings at which A may see B where two power-driven vessels meet and
/// neither overtakes, as the other facts allow: two vessels that both follow
/// the fairway or the traffic lane go the same way, and one that follows it
/// meets one that does not only crossing. None where nothing fits.
struct Peilungen {
  std::array<Peilung, 3> liste{};
  std::size_t anzahl = 0;
};
Peilungen passende_peilungen(const Situation& s);

}  // namespace ausweich
