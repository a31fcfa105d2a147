#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "console/line_reader.h"
#include "console/terminal.h"

namespace ausweich {

/// An answer code: a number chosen from a numbered menu, counted from 1.
using Code = std::int32_t;

/// The console dialogue: the only way the analyses talk to the user.
///
/// Output is collected and handed to the terminal in one piece before every
/// read, so each screen arrives whole and nothing stays unseen while the
/// program waits. The program ends only here (or in the terminal, on an
/// interrupt) by throwing ProgramEnd.
class Dialogue {
 public:
  explicit Dialogue(Terminal& terminal);
  Dialogue(const Dialogue&) = delete;
  Dialogue& operator=(const Dialogue&) = delete;

  /// A message line: one blank, the text as it stands, a line end.
  void line(std::string_view text);
  /// An empty line: a bare line end.
  void empty();
  /// A screen clear: `n` empty lines.
  void clear(int n);
  /// The screen clear between the screens: 30 empty lines.
  void spaces();
  /// Waits for Enter: reads one input line and discards it.
  void wait_enter();
  /// The answer reader: shows `kkk` as the default, reads a reply and stores
  /// an answer from 1 to `kmax` in `kkk`; Enter alone keeps `kkk` unchecked.
  /// Refuses answers above `kmax` and asks again; ends the program on an
  /// answer of 0 or less.
  void readc(Code kmax, Code& kkk);

  /// Hands everything written so far to the terminal.
  void flush();

 private:
  void put(std::string_view bytes);
  void put_number(std::int64_t n, std::size_t width);
  void end_line();
  void prompt(Code deflt);
  void refuse(Code value);
  void read_reply(std::array<char, 8>& aaa);

  Terminal& terminal_;
  LineReader reader_;
  std::string_view line_end_;
  bool input_end_met_ = false;  // an Enter wait ran into the end of input
  std::array<char, 16384> out_;
  std::size_t used_ = 0;
};

}  // namespace ausweich
