#pragma once

#include <memory>

#include "console/terminal.h"

namespace ausweich {

/// The terminal of the running process: standard input, output and error.
/// An interrupt (Ctrl-C) or a termination request that arrives while the
/// program waits for input ends it with status 1 and "Interrupt" or "Killed"
/// on standard error, after everything written so far has been delivered.
/// An interrupt that was ignored when the program started stays ignored.
/// This is the one place that knows which platform the program runs on.
std::unique_ptr<Terminal> make_std_terminal();

}  // namespace ausweich
