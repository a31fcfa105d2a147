#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "console/line_reader.h"
#include "console/reply.h"
#include "console/reports.h"
#include "console/terminal.h"
#include "core/dialogue.h"
#include "core/line_builder.h"

namespace ausweich {

/// The dialogue on a console: message lines and screen clears go to the
/// terminal's screen, answers come from its input.
///
/// Output is collected and handed to the terminal in one piece before every
/// read, so each screen arrives whole and nothing stays unseen while the
/// program waits. The program ends only here (or in the terminal, on an
/// interrupt) by throwing ProgramEnd. Where the terminal takes reports, every
/// call is reported there too, before the console acts on it.
class ConsoleDialogue final : public Dialogue {
 public:
  explicit ConsoleDialogue(Terminal& terminal);
  ConsoleDialogue(const ConsoleDialogue&) = delete;
  ConsoleDialogue& operator=(const ConsoleDialogue&) = delete;

  void line(std::string_view text) override;
  void empty() override;
  void say(Zeilenart art, std::string_view text) override;
  void clear(int n) override;
  /// Copies the assembled block where the console ends its lines as it does.
  void block(const Textblock& b) override;
  /// Writes the question, its empty line and its menu, then reads the answer
  /// with `readc`.
  void ask(const Frage& frage, Code& code) override;
  /// Waits for Enter: reads one input line and discards it.
  void wait_enter(const Pause& pause) override;
  void wait_enter();
  /// Writes the question, its empty line and its menu (where it has none,
  /// its answers' labels, numbered), then asks for a number from 0 to its
  /// highest answer until one comes.
  Code choose(const Frage& frage) override;
  void duty(const Pflicht& p) override;
  void verdict(const Pflicht& p) override;
  void assume(std::string_view satz) override;
  void vorlage(std::span<const Angabe> angaben, Peilung peilung) override;

  /// The answer reader: shows `kkk` as the default, reads a reply and stores
  /// an answer from 1 to `kmax` in `kkk`; Enter alone keeps `kkk` unchecked.
  /// Refuses answers above `kmax` and asks again; ends the program on an
  /// answer of 0 or less.
  void readc(Code kmax, Code& kkk);
  /// Reads one reply line into the 8-character reply field, blank-filled.
  /// Ends the program at the end of input, as the answer reader does.
  void read_reply(std::array<char, kReplyWidth>& aaa);
  /// Reads the learner's choice into `field`, blank-filled: a last line
  /// counts with or without its line end (the next read then ends the
  /// program). Ends it at the end of input.
  void read_choice(std::array<char, kReplyWidth>& field);

  /// Hands everything written so far to the terminal.
  void flush();

 private:
  /// A message line of the console's own (menus, prompts, refusals), which
  /// is not reported.
  void write_line(std::string_view text);
  void put(std::string_view bytes);
  void put_number(std::int64_t n, std::size_t width);
  void end_line();
  void prompt(Code deflt);
  void refuse(Code value);
  void show(const Frage& frage);

  Terminal& terminal_;
  Reports* reports_;
  LineReader reader_;
  std::string_view line_end_;
  LineBuilder prompt_head_;     // the empty line, the rule and "[Default: "
  LineBuilder prompt_tail_;     // "]    Input=" and the line end
  bool input_end_met_ = false;  // an Enter wait ran into the end of input
  std::array<char, 16384> out_;
  std::size_t used_ = 0;
};

/// A program that talks to the user through a console dialogue, until it
/// ends by throwing ProgramEnd.
class ConsoleProgram {
 public:
  virtual ~ConsoleProgram() = default;
  virtual void run(ConsoleDialogue& d) = 0;
  /// Called once the program has ended, however it ended, before the screen
  /// is flushed: its last words.
  virtual void at_end(ConsoleDialogue&) {}
};

/// Runs `program` on a console dialogue over `terminal` until it ends:
/// flushes the screen, writes the diagnostic, if any, and returns the exit
/// status. The one place where the end of the program is caught; the web
/// edition allows only this function to catch (by its name, in the build).
int run_dialogue(Terminal& terminal, ConsoleProgram& program);

}  // namespace ausweich
