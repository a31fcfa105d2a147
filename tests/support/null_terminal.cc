#include "null_terminal.h"

#include <algorithm>
#include <cstring>

namespace ausweich {

std::size_t NullTerminal::read(char* buf, std::size_t n) {
  ++reads_;
  const std::size_t k = std::min(n, input_.size());
  std::memcpy(buf, input_.data(), k);
  input_.remove_prefix(k);
  return k;
}

void NullTerminal::write(const char*, std::size_t n) {
  ++writes_;
  bytes_written_ += n;
}

void NullTerminal::diagnostic(std::string_view) {
  ++diagnostics_;
}

}  // namespace ausweich
