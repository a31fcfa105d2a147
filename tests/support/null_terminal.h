#pragma once

#include <cstddef>
#include <string_view>

#include "console/terminal.h"

namespace ausweich {

/// A terminal whose screen is thrown away: the input is a fixed string, the
/// output and the diagnostics are only counted. Whole runs of any length can
/// be driven in-process with it in constant memory and without a single heap
/// allocation, which is what benchmarks and allocation checks need.
class NullTerminal final : public Terminal {
 public:
  explicit NullTerminal(std::string_view input) : input_(input) {}

  std::size_t read(char* buf, std::size_t n) override;
  void write(const char* buf, std::size_t n) override;
  void diagnostic(std::string_view line) override;

  /// How often the terminal was asked to read and to write.
  int reads() const { return reads_; }
  int writes() const { return writes_; }
  /// Bytes delivered to the screen, and diagnostic lines written.
  std::size_t bytes_written() const { return bytes_written_; }
  int diagnostics() const { return diagnostics_; }

 private:
  std::string_view input_;
  int reads_ = 0;
  int writes_ = 0;
  std::size_t bytes_written_ = 0;
  int diagnostics_ = 0;
};

}  // namespace ausweich
