// ausweichregeln: the give-way advisor on the process's console.
#include "analysis/main_loop.h"
#include "console/std_terminal.h"

int main() {
  const auto terminal = ausweich::make_std_terminal();
  return ausweich::run(*terminal);
}
