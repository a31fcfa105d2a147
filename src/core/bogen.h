#pragma once

#include "core/signale.h"

namespace ausweich {

/// The horizontal arc over which a light shows (KVR Regel 21), in degrees off
/// her bow, clockwise, that is to starboard: from `von` to `bis`, both edges
/// included. Masthead light 225° (right ahead to 22.5° abaft the beam on each
/// side), sidelights 112.5° each (red to port, green to starboard), sternlight
/// 135° (67.5° each side of right astern), all-round lights 360°; a tricolour
/// lantern shows its sectors all round.
struct Bogen {
  double von;
  double bis;
};

Bogen bogen(Licht l);

/// Whether a light of a vessel is seen from `grad` degrees off her bow,
/// clockwise; any value below a million degrees either way counts, taken
/// modulo 360. Never for a value beyond that, nor for one that is not a
/// number.
bool sichtbar(Licht l, double grad);

/// The light whose colour a tricolour lantern shows from `grad` degrees off
/// her bow: a sidelight or the sternlight. Right ahead it shows green.
Licht dreifarben_sektor(double grad);

}  // namespace ausweich
