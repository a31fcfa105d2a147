#pragma once

#include <array>
#include <cstddef>

#include "core/situation.h"
#include "training/drawn_run.h"
#include "training/loesung.h"

namespace ausweich {

/// Whether an examiner would set the encounter that `run` decided on the
/// record `s`, with the solution `l`. Not set is an item
///   - that the stated facts do not decide (a general verdict);
///   - whose screen states a duty that the law does not give, or gives only
///     to the other vessel (a weaker duty of the vessel that must give way is
///     partly right and may stand);
///   - without an encounter: both follow the same fairway or traffic lane the
///     same way and nobody overtakes;
///   - with a geometry that cannot happen: overtaking between a vessel that
///     follows a fairway or lane and one that does not (crossing it, or
///     outside and about to cross); a vessel not under command or constrained
///     by her draught that does not follow it;
///   - whose law is arguable: restricted visibility with a B that cannot
///     manoeuvre as the rules require; two sailing vessels under the
///     SeeSchStrO, one outside the fairway, the other in it not clearly
///     following it;
///   - where the overtaken vessel must not impede the overtaker (rule 13 and
///     the duty not to impede pull against each other: arguable);
///   - with an overtaking vessel not under command or restricted in her
///     ability to manoeuvre (by KVR Regel 3 f) and g) she is unable to keep
///     out of the way), or under the SeeSchStrO a B not under command that is
///     made to give way or to wait.
/// The advisor keeps these verdicts; the training does not teach them.
bool pruefbar(const Situation& s, const DrawnRun& run, const Loesung& l);

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
