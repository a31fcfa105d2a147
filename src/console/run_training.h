#pragma once

#include <cstdint>
#include <span>

#include "console/terminal.h"
#include "training/ziehung.h"

namespace ausweich {

/// The training mode on `terminal`: `anzahl` encounters drawn for `seed`.
/// Ends with the score, status 0; an answer of 0 ends it early the same way.
/// The end of input and an interrupt end it as they end the advisor, after
/// the score so far. Returns the exit status.
int run_training(Terminal& terminal, int anzahl, std::uint64_t seed);

/// The same with the items that `lagen` name, each by the seed of its draw
/// and its number there.
int run_training(Terminal& terminal, std::span<const Herkunft> lagen);

/// The training of lights and shapes on `terminal`, as run_training runs the
/// training of encounters: `anzahl` items drawn for `seed`, the score at the
/// end however it ended. Returns the exit status.
int run_lichteruebung(Terminal& terminal, int anzahl, std::uint64_t seed);

}  // namespace ausweich
