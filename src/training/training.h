#pragma once

#include <cstdint>

#include "console/terminal.h"

namespace ausweich {

/// The training mode on `terminal`: `anzahl` encounters drawn at random (the
/// same ones for the same seed), each described in plain words; the learner
/// says who must give way, and the advisor's own verdict explains the answer.
/// Ends with the score and the rules that were missed, status 0; an answer of
/// 0 ends it early the same way. The end of input and an interrupt end it as
/// they end the advisor, after the score so far. Returns the exit status.
int uebung(Terminal& terminal, int anzahl, std::uint64_t seed);

}  // namespace ausweich
