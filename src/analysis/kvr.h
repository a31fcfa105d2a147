#pragma once

#include "analysis/nebelhinweise.h"
#include "core/dialogue.h"
#include "core/situation.h"

namespace ausweich {

/// The path under the collision regulations (KVR): first the conduct in a
/// fairway or a traffic separation scheme, then the encounter rules, which
/// always end with one verdict. `indkvr` is kvr_direkt when the path is
/// entered from the sea-area question, ueber_seeschstro when the waterways
/// regime handed over to it.
void kvr(Dialogue& d, Situation& s, Code indkvr, Nebelhinweise& guidance);

}  // namespace ausweich
