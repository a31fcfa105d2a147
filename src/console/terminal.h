#pragma once

#include <cstddef>
#include <string_view>

namespace ausweich {

class Listener;

/// The byte streams behind the console dialogue: the user's input, the screen
/// and the channel for diagnostics. The real one is bound to the process's
/// standard streams; tests and fuzzers use an in-memory one.
class Terminal {
 public:
  virtual ~Terminal() = default;

  /// Reads at most `n` bytes into `buf`, blocking until at least one byte has
  /// arrived. Returns 0 at the end of input. May end the program with
  /// ProgramEnd when an interrupt or termination request arrives while it waits.
  virtual std::size_t read(char* buf, std::size_t n) = 0;

  /// Delivers `n` bytes to the screen. Write errors are deliberately ignored.
  virtual void write(const char* buf, std::size_t n) = 0;

  /// Writes one diagnostic line (without its line end) to the error channel.
  virtual void diagnostic(std::string_view line) = 0;

  /// The line end that this platform's console expects.
  virtual std::string_view line_end() const { return "\n"; }

  /// A face beside the screen that listens to everything the program tells
  /// (the web page's card); none for a plain console.
  virtual Listener* listener() { return nullptr; }
};

}  // namespace ausweich
