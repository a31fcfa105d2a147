#include "string_terminal.h"

#include <algorithm>
#include <cstring>

namespace ausweich {

std::size_t StringTerminal::read(char* buf, std::size_t n) {
  ++reads_;
  std::size_t piece = chunk_;
  if (piece == kLineByLine) {
    const std::size_t line_end = input_.find('\n');
    piece = line_end == std::string_view::npos ? input_.size() : line_end + 1;
  }
  const std::size_t k = std::min({n, piece, input_.size()});
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
