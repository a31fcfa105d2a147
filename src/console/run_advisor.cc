#include "console/run_advisor.h"

#include "analysis/hauptprogramm.h"
#include "console/console_dialogue.h"

namespace ausweich {

int run_advisor(Terminal& terminal) {
  struct Advisor final : ConsoleProgram {
    void run(ConsoleDialogue& d) override { hauptprogramm(d); }
  } advisor;
  return run_dialogue(terminal, advisor);
}

}  // namespace ausweich
