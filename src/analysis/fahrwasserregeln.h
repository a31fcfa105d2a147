#pragma once

#include "core/dialogue.h"
#include "core/situation.h"

namespace ausweich {

/// KVR rules 9 and 10: establishes the fairway situation (asked only when the
/// collision regulations were entered directly, `indkvr` kvr_direkt) and
/// states which vessel must not impede the other in a fairway or a traffic
/// separation scheme. Decides no right of way and never ends an analysis.
void fahrwasserregeln(Dialogue& d, Situation& s, Code indkvr);

}  // namespace ausweich
