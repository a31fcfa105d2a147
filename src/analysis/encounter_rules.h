#pragma once

#include "analysis/visibility_guidance.h"
#include "console/dialogue.h"
#include "situation/situation.h"

namespace ausweich {

/// The encounter under the collision regulations, decided by the first rule
/// that applies: 19 restricted visibility, 13 overtaking, 12 two sailing
/// vessels, 18 vessels of different types, 14 and 15 two power-driven
/// vessels. Writes exactly one verdict.
void encounter_rules(Dialogue& d, Situation& s, Code indkvr,
                     VisibilityGuidance& guidance);

/// The questions that only the encounter analysis asks.
void n2sic(Dialogue& d, Code& ks);
void awind(Dialogue& d, Code ka1, Code& ka3);
void bwind(Dialogue& d, Code kb1, Code& kb3);
void n6luv(Dialogue& d, Code& kluv);

/// `jausw`: the vessel that a rule 12 verdict obliges to give way.
enum Ausweichpflichtig : Code {
  noch_keiner = 0,
  a_ausweichpflichtig = 1,
  b_ausweichpflichtig = 2,
};

/// After a rule 12 verdict on the path through the waterways regime: the
/// remark that the vessel outside the fairway should not insist on her right
/// of way over the one that roughly follows it. `jausw` is the vessel that
/// must give way.
void fwspec(Dialogue& d, Code indkvr, Code jausw, Code ka1, Code kb1, Code kafw,
            Code kbfw);

}  // namespace ausweich
