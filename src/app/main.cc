// ausweichregeln: the give-way advisor on the process's console.
#include <chrono>
#include <cstdint>

#include "app/invocation.h"
#include "console/std_terminal.h"

namespace {

/// A seed for a training run that was given none, different from run to run:
/// the time in the clock's finest steps, and where the stack lies, which
/// differs from start to start on most systems. A draw of exercises needs
/// no more (and the library's random device would bring in twice the code).
std::uint64_t zufaelliger_seed() {
  const int auf_dem_stack = 0;
  return static_cast<std::uint64_t>(
             std::chrono::high_resolution_clock::now().time_since_epoch().count()) ^
         (static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&auf_dem_stack))
          << 20);
}

}  // namespace

int main(int argc, char** argv) {
  const ausweich::Argumente args(argv + (argc > 0 ? 1 : 0), argc > 0 ? argc - 1 : 0);
  const auto terminal = ausweich::make_std_terminal();
  return ausweich::ausweichregeln(args, *terminal, zufaelliger_seed());
}
