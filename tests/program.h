#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/invocation.h"
#include "string_terminal.h"

namespace ausweich::testing {

/// The whole program run in-process on `input` with the command line `args`.
struct Program {
  std::string out, err;
  int status;
};

inline Program run_program(std::string_view input, std::vector<const char*> args) {
  StringTerminal t(input);
  const int status = ausweichregeln(args, t, 0);
  return {t.output(), t.diagnostics(), status};
}

}  // namespace ausweich::testing
