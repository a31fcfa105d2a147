#pragma once

#include "analysis/nebelhinweise.h"
#include "core/dialogue.h"
#include "core/situation.h"

namespace ausweich {

/// The main loop: sets the situation record to its defaults once, then runs
/// one analysis after another (title, info, opening questions, the analysis
/// of the chosen sea area, end of analysis) until the dialogue ends the
/// program.
[[noreturn]] void hauptprogramm(Dialogue& d);

/// One analysis, from the screen clear after the info screen up to its
/// verdict: the opening questions, then the analysis of the sea area chosen.
void analyse(Dialogue& d, Situation& s, Nebelhinweise& guidance);

}  // namespace ausweich
