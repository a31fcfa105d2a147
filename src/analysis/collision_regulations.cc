#include "analysis/collision_regulations.h"

#include "analysis/encounter_rules.h"
#include "analysis/fairway_conduct.h"

namespace ausweich {

void collision_regulations(Dialogue& d, Situation& s, Code indkvr,
                           VisibilityGuidance& guidance) {
  fairway_conduct(d, s, indkvr);
  encounter_rules(d, s, indkvr, guidance);
}

}  // namespace ausweich
