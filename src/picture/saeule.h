#pragma once

#include "core/signale.h"
#include "picture/farben.h"

namespace ausweich {

// The room a vessel takes in the view from above: her ring, and the line of
// all-round lights or shapes that hangs in her rigging above her.

/// The height that a shape takes in its vertical line, with the gap below it.
int hoehe(Signalkoerper k);

/// The height of the line that hangs in a vessel's rigging: her all-round
/// lights by night, her shapes by day.
int saeulenhoehe(const Signale& s, Tageszeit t);

/// The radius of the ring that marks a vessel's duty.
inline constexpr int kRing = 26;

/// How far above her place a vessel reaches with a line of signals
/// `saeule` high (none: her ring).
constexpr int ueber_dem_schiff(int saeule) {
  return saeule == 0 ? kRing + 2 : kRing + 8 + saeule;
}

/// The heading lines at the top of the sheet reach down to here.
inline constexpr int kKopfzeilen = 48;

}  // namespace ausweich
