#pragma once

#include "analysis/visibility_guidance.h"
#include "console/dialogue.h"
#include "situation/situation.h"

namespace ausweich {

/// An encounter in the maritime waterways, under the SeeSchStrO (paragraphs
/// 2, 21, 22, 23 and 25). Ends with a verdict, or hands over to the collision
/// regulations where the SeeSchStrO refers to them: `indkvr` becomes
/// ueber_seeschstro, `sokvr` derives the fairway situation and the KVR path
/// decides.
void waterways_regime(Dialogue& d, Situation& s, Code& indkvr,
                      VisibilityGuidance& guidance);

/// The questions of the waterways regime.
void n5afw(Dialogue& d, Code& kafw);
void n5bfw(Dialogue& d, Code& kbfw);
void n5hnfw(Dialogue& d, Code kafw, Code kbfw, Code& khnfw);
void n0ueb(Dialogue& d, Code& kueb);
void n5ent(Dialogue& d, Code kueb, Code& kent);
void n5eng(Dialogue& d, Code kent, Code& keng);

/// The argument of `vorf`: the vessel that has the right of way.
enum Vorfahrt : Code {
  a_hat_vorfahrt = 1,
  b_hat_vorfahrt = 2,
};

/// The right-of-way verdict: `j` a_hat_vorfahrt gives A the right of way,
/// anything else B.
void vorf(Dialogue& d, Code j);

/// At the hand-over: the fairway situation for the KVR path, fahrwasser when
/// both vessels are in the fairway, otherwise freier_seeraum.
void sokvr(Dialogue& d, Code kafw, Code kbfw, Code& kvtg);

}  // namespace ausweich
