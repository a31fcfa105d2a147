#pragma once

#include <cstdint>

#include "console/terminal.h"

namespace ausweich {

/// A worksheet for a class: the picture of item `lage` (from 1) of the
/// training run that `anzahl` and `seed` draw, written to the screen as one
/// SVG element and nothing else. The view from above by day, with nothing
/// marked: the learners decide, and the run with the same seed solves it.
/// Returns the exit status.
int write_worksheet(Terminal& terminal, int anzahl, std::uint64_t seed, int lage);

}  // namespace ausweich
