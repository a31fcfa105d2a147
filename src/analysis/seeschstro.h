#pragma once

#include "analysis/nebelhinweise.h"
#include "core/dialogue.h"
#include "core/situation.h"

namespace ausweich {

/// An encounter in the maritime waterways, under the SeeSchStrO (paragraphs
/// 2, 21, 22, 23 and 25). Ends with a verdict, or hands over to the collision
/// regulations where the SeeSchStrO refers to them: `indkvr` becomes
/// ueber_seeschstro, the fairway situation for the KVR is derived (`sokvr`)
/// and the KVR path decides.
void seeschstro(Dialogue& d, Situation& s, Code& indkvr, Nebelhinweise& guidance);

}  // namespace ausweich
