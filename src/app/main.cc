// ausweichregeln: the give-way advisor on the process's console.
#include <chrono>
#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "console/std_terminal.h"

namespace {

/// A seed for a training run that was given none, different from run to run.
std::uint64_t zufaelliger_seed() {
  auto seed = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  try {
    std::random_device device;
    seed ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
  } catch (...) {
    // No source of entropy: the clock alone still differs from run to run.
  }
  return seed;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto terminal = ausweich::make_std_terminal();
  return ausweich::ausweichregeln(args, *terminal, zufaelliger_seed());
}
