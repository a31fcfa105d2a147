#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "console/terminal.h"

namespace ausweich {

/// A terminal in memory: the input is a fixed string, the screen and the
/// diagnostics are collected in strings. Lets a whole run be driven in-process.
class StringTerminal final : public Terminal {
 public:
  /// `chunk` limits how many bytes one read delivers, to imitate a console
  /// that hands over input piece by piece; kLineByLine hands over one line
  /// per read, as a terminal in line mode does.
  explicit StringTerminal(std::string_view input, std::size_t chunk = SIZE_MAX)
      : input_(input), chunk_(chunk) {}

  static constexpr std::size_t kLineByLine = 0;

  std::size_t read(char* buf, std::size_t n) override;
  void write(const char* buf, std::size_t n) override;
  void diagnostic(std::string_view line) override;

  const std::string& output() const { return output_; }
  const std::string& diagnostics() const { return diagnostics_; }
  /// How often the terminal was asked to read and to write.
  int reads() const { return reads_; }
  int writes() const { return writes_; }
  /// Bytes of input not yet read.
  std::size_t unread() const { return input_.size(); }

 private:
  std::string_view input_;
  std::size_t chunk_;
  std::string output_;
  std::string diagnostics_;
  int reads_ = 0;
  int writes_ = 0;
};

}  // namespace ausweich
