// ausweichregeln on a web page: the program with the page as its terminal.
// The page starts every run with an argument list, as a shell would: none
// for the advisor, --uebung for the training mode.
#include <emscripten.h>

#include <cstdint>

#include "app/invocation.h"
#include "web/web_terminal.h"

namespace {

/// A seed for a training run that was given none, from the browser's source
/// of random numbers (the C++ library's would bring a formatted-output
/// machinery into the page for nothing).
EM_JS(double, seed_from_page, (), {
  const words = new Uint32Array(2);
  (globalThis.crypto || require("crypto").webcrypto).getRandomValues(words);
  return words[0] * 2097152 + (words[1] >>> 11);  // 53 random bits
});

}  // namespace

int main(int argc, char** argv) {
  const ausweich::Argumente args(argv + (argc > 0 ? 1 : 0), argc > 0 ? argc - 1 : 0);
  ausweich::WebTerminal terminal;
  const auto seed = static_cast<std::uint64_t>(seed_from_page());
  const int status = ausweich::ausweichregeln(args, terminal, seed);
  // Once the program has waited for input, the runtime's own exit no longer
  // reaches the page: the terminal tells it.
  terminal.end(status);
  return status;
}
