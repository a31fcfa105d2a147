#pragma once

#include "core/dialogue.h"

namespace ausweich {

/// Whether one of the two vessels overtakes the other: asked by the
/// waterways regime where both follow the fairway, and by the encounter
/// rules in clear visibility.
void n0ueb(Dialogue& d, Code& kueb);

}  // namespace ausweich
