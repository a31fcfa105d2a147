#pragma once

#include "console/dialogue.h"

namespace ausweich {

/// The answer codes that describe one encounter. Every question sets one of
/// them; every decision tests them. One record lives for the whole run and is
/// never reset, so each analysis offers the previous analysis's answers as its
/// defaults.
struct Situation {
  Code ka1;    // type of A: 1 motor vessel, 2 sailing vessel
  Code ka2;    // length of A: 1 under 20 m, 2 over 20 m
  Code ka3;    // wind of A: 1 from port, 2 from starboard
  Code ks;     // visibility: 1 clear, 2 fog or otherwise restricted
  Code kb1;    // type of B: 1 power-driven, 2 sailing, 3 fishing,
               //   4 restricted in ability to manoeuvre, 5 not under command,
               //   6 constrained by her draught
  Code kb2;    // length of B: 1 under 20 m, 2 over 20 m
  Code kb3;    // wind of B: 1 port, 2 starboard, 3 port and 4 starboard
               //   but not recognisable from A
  Code kvr;    // sea area: 1 maritime waterways (SeeSchStrO), 2 high seas (KVR)
  Code kafw;   // A and the fairway: 1 outside, 2 in it, not following,
               //   3 roughly following, 4 clearly following (waterways only)
  Code kbfw;   // B and the fairway, as kafw
  Code khnfw;  // 1 one fairway, 2 B in the main and A in the secondary one, 3 reverse
  Code kueb;   // overtaking: 1 nobody, 2 A overtakes B, 3 B overtakes A
  Code kent;   // opposite courses: 1 no, 2 yes
  Code keng;   // narrow passage: 1 none, 2 A, 3 B goes with the current
  Code kvtg;   // fairway situation: 1 open sea, 2 fairway, 3 traffic separation
  Code kavt;   // A and the traffic lane: 1 outside the scheme, 2 crossing, 3 following
  Code kbvt;   // B and the traffic lane, as kavt
  Code kluv;   // A relative to B and the wind: 1 to windward, 2 to leeward
};

/// Sets every code to its first-run default: a sailing vessel A with the wind
/// from starboard meets a sailing vessel B with the wind from port, not
/// recognisable from A, on the high seas in clear visibility.
void init(Situation& s);

}  // namespace ausweich
