#pragma once

#include "analysis/visibility_guidance.h"
#include "console/console_dialogue.h"
#include "console/dialogue.h"
#include "console/terminal.h"
#include "situation/situation.h"

namespace ausweich {

/// The main loop: sets the situation record to its defaults once, then runs
/// one analysis after another (title, info, opening questions, the analysis
/// of the chosen sea area, end of analysis) until the dialogue ends the
/// program.
[[noreturn]] void hauptprogramm(ConsoleDialogue& d);

/// One analysis, from the screen clear after the info screen up to its
/// verdict: the opening questions, then the analysis of the sea area chosen.
void analyse(Dialogue& d, Situation& s, VisibilityGuidance& guidance);

/// Runs the advisor on `terminal` until it ends, and returns the exit status.
/// The screen is flushed and the diagnostic, if any, written before it returns.
int run(Terminal& terminal);

/// The opening questions: type (and for a motor vessel, length) of A and of
/// B, and the sea area.
void n1eig(Dialogue& d, Code& ka1, Code& ka2);
void n3geg(Dialogue& d, Code& kb1, Code& kb2);
void n4kvr(Dialogue& d, Code& kvr);

}  // namespace ausweich
