// ausweichregeln: the give-way advisor on the process's console.
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "console/std_terminal.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto terminal = ausweich::make_std_terminal();
  return ausweich::ausweichregeln(args, *terminal, ausweich::zufaelliger_seed());
}
