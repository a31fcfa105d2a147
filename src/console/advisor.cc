#include "console/advisor.h"

#include "analysis/main_loop.h"
#include "console/console_dialogue.h"

namespace ausweich {

int run(Terminal& terminal) {
  struct Berater final : ConsoleProgram {
    void run(ConsoleDialogue& d) override { hauptprogramm(d); }
  } berater;
  return run_dialogue(terminal, berater);
}

}  // namespace ausweich
