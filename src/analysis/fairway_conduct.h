#pragma once

#include "console/dialogue.h"
#include "situation/situation.h"

namespace ausweich {

/// KVR rules 9 and 10: establishes the fairway situation (asked only when the
/// collision regulations were entered directly, `indkvr` 1) and states which
/// vessel must not impede the other in a fairway or a traffic separation
/// scheme. Decides no right of way and never ends an analysis.
void fairway_conduct(Dialogue& d, Situation& s, Code indkvr);

/// The questions of this stage, each with three answers.
void vtg(Dialogue& d, Code& kvtg);
void n6afw(Dialogue& d, Code& kafw);
void n6bfw(Dialogue& d, Code& kbfw);
void n6avt(Dialogue& d, Code& kavt);
void n6bvt(Dialogue& d, Code& kbvt);

}  // namespace ausweich
