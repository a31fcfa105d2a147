#pragma once

#include <span>
#include <string_view>

#include "situation/situation.h"
#include "training/drawn_run.h"

namespace ausweich {

/// The situation of an encounter as a skipper would describe it, one line
/// per answer that its analysis asked for (types and lengths, sea area,
/// positions, visibility, overtaking, courses, wind), in the order asked.
/// Writes at most `zeilen.size()` lines and returns how many.
std::size_t beschreibung(const Situation& s, const DrawnRun& run,
                         std::span<std::string_view> zeilen);

}  // namespace ausweich
