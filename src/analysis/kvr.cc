#include "analysis/kvr.h"

#include "analysis/begegnungsregeln.h"
#include "analysis/fahrwasserregeln.h"

namespace ausweich {

void collision_regulations(Dialogue& d, Situation& s, Code indkvr,
                           VisibilityGuidance& guidance) {
  fairway_conduct(d, s, indkvr);
  encounter_rules(d, s, indkvr, guidance);
}

}  // namespace ausweich
