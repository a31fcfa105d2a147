#pragma once

#include "console/terminal.h"

namespace ausweich {

/// Runs the advisor on `terminal` until it ends, and returns the exit status.
/// The screen is flushed and the diagnostic, if any, written before it returns.
int run_advisor(Terminal& terminal);

}  // namespace ausweich
