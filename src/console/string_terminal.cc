#include "console/string_terminal.h"

#include <algorithm>
#include <cstring>

namespace ausweich {

std::size_t StringTerminal::read(char* buf, std::size_t n) {
  ++reads_;
  const std::size_t k = std::min({n, chunk_, input_.size()});
  std::memcpy(buf, input_.data(), k);
  input_.remove_prefix(k);
  return k;
}

void StringTerminal::write(const char* buf, std::size_t n) {
  ++writes_;
  output_.append(buf, n);
}

void StringTerminal::diagnostic(std::string_view line) {
  diagnostics_.append(line);
  diagnostics_.push_back('\n');
}

}  // namespace ausweich
