#pragma once

#include "core/angaben.h"
#include "picture/farben.h"
#include "picture/szene.h"
#include "picture/writer.h"

namespace ausweich {

/// What the pictures show, in a few sentences of proper German: where B is,
/// the waterway, the wind and the sails, the signals that A and B carry, what
/// A's lookout sees of B, what the signals table chose, and the duties marked.
void beschreibe(Writer& w, const Szene& s, const Angaben& a, Tageszeit t);

/// What A's lookout sees of B: "B zeigt A: rotes Seitenlicht, Topplicht".
/// Only where the lookout's view is drawn.
void beschreibe_sicht(Writer& w, const Szene& s, const Angaben& a, Tageszeit t);

/// Whether the lookout's view is drawn: B is known, the answers fix her
/// aspect, and the visibility is not restricted.
bool mit_sicht(const Szene& s);

}  // namespace ausweich
