#pragma once

#include "analysis/nebelhinweise.h"
#include "core/dialogue.h"
#include "core/situation.h"

namespace ausweich {

/// The encounter under the collision regulations, decided by the first rule
/// that applies: 19 restricted visibility, 13 overtaking, 12 two sailing
/// vessels, 18 vessels of different types, 14 and 15 two power-driven
/// vessels. Reports exactly one verdict.
void begegnungsregeln(Dialogue& d, Situation& s, Code indkvr, Nebelhinweise& guidance);

/// Rules 14 and 15 applied to two power-driven vessels where A sees B at
/// `peilung`: head-on both alter course to starboard, crossing the vessel
/// that has the other on her starboard side gives way. The advisor states
/// both rules in general; this is the duty they put on each encounter with a
/// known bearing (a general rule where the bearing is open).
Pflicht regeln14_15(Peilung peilung);

}  // namespace ausweich
