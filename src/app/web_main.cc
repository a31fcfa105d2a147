// ausweichregeln on a web page: the give-way advisor with the page as its
// terminal. The page starts every run with an argument list, as a shell
// would; the advisor takes no options, so, like the console program, it
// leaves them alone.
#include "analysis/main_loop.h"
#include "console/web_terminal.h"

int main(int /*argc*/, char** /*argv*/) {
  ausweich::WebTerminal terminal;
  const int status = ausweich::run(terminal);
  // Once the program has waited for input, the runtime's own exit no longer
  // reaches the page: the terminal tells it.
  terminal.end(status);
  return status;
}
