#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "console/terminal.h"
#include "core/listener.h"

namespace ausweich {

/// The console's screen: everything the program tells, written as message
/// lines, empty lines and screen clears, with each question and its menu as
/// it is about to be read. Output is collected and handed to the terminal in
/// one piece at every flush (before every read), so each screen arrives
/// whole and nothing stays unseen while the program waits.
class ConsoleScreen final : public Listener {
 public:
  explicit ConsoleScreen(Terminal& terminal);

  void line(std::string_view text) override { write_line(text); }
  void empty() override { end_line(); }
  void say(Zeilenart, std::string_view text) override { write_line(text); }
  void clear(int n) override;
  /// Copies the assembled block where the console ends its lines as it does.
  void block(const Textblock& b) override;
  /// Writes the question, its empty line and its menu.
  void asking(const Frage& frage, Code) override { show(frage); }
  /// Writes the question, its empty line and its menu, or where it has none,
  /// its answers' labels, numbered.
  void choosing(const Frage& frage) override { show(frage); }

  /// A message line of the console's own (prompts, refusals).
  void write_line(std::string_view text);
  void put(std::string_view bytes);
  /// `n` in decimal digits, right-aligned in `width` characters.
  void put_number(std::int64_t n, std::size_t width);
  void end_line();
  /// Hands everything written so far to the terminal.
  void flush();

 private:
  void show(const Frage& frage);

  Terminal& terminal_;
  std::string_view line_end_;
  std::array<char, 16384> out_;
  std::size_t used_ = 0;
};

}  // namespace ausweich
