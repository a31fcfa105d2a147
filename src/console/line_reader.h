#pragma once

#include <array>
#include <cstddef>

#include "console/terminal.h"

namespace ausweich {

/// Reads the user's input one line at a time, in constant memory whatever the
/// length of a line. A line ends with a line feed, or with a carriage return
/// directly followed by a line feed; a carriage return anywhere else is an
/// ordinary character. Once the input has ended the reader never asks the
/// terminal again.
class LineReader {
 public:
  explicit LineReader(Terminal& terminal) : terminal_(terminal) {}

  struct Line {
    std::size_t filled;  // characters stored in the field
    bool input_ended;    // the input ended before a line end was found
  };

  /// Reads the next line. Its first `width` characters go to `field`; the rest
  /// of the line, up to and including its line end, is discarded.
  Line read_line(char* field, std::size_t width);

 private:
  int get();
  int peek();
  bool refill();
  void discard_rest_of_line(Line& line);

  Terminal& terminal_;
  std::array<char, 4096> buffer_;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  bool ended_ = false;
};

}  // namespace ausweich
