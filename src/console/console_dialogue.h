#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "console/console_screen.h"
#include "console/line_reader.h"
#include "console/reply.h"
#include "console/terminal.h"
#include "core/dialogue.h"
#include "core/line_builder.h"

namespace ausweich {

/// The screen and the faces beside it, made before the dialogue that tells
/// them everything.
struct ConsoleFaces {
  ConsoleFaces(Terminal& terminal, Listener* daneben)
      : screen(terminal), beide({&screen, daneben}), daneben(daneben) {}
  ConsoleScreen screen;
  Listeners beide;
  Listener* daneben;
  /// Where the dialogue tells: the screen, and the face beside it if any.
  Listener& alle() { return daneben != nullptr ? static_cast<Listener&>(beide) : screen; }
};

/// The dialogue on a console: what the program tells goes to the console's
/// screen, and to the face beside it that the terminal names (the web card);
/// answers come from the terminal's input. The program ends only here (or in
/// the terminal, on an interrupt) by throwing ProgramEnd.
class ConsoleDialogue final : private ConsoleFaces, public Dialogue {
 public:
  explicit ConsoleDialogue(Terminal& terminal);

  /// Waits for Enter: reads one input line and discards it.
  void wait_enter();
  using Dialogue::wait_enter;

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
  void read_choice_field(std::array<char, kReplyWidth>& field);

  /// Hands everything written so far to the terminal.
  void flush() { screen.flush(); }

 protected:
  void read_answer(const Frage& frage, Code& code) override { readc(frage.kmax(), code); }
  void read_enter() override { wait_enter(); }
  /// Asks for a number from 0 to the question's highest answer until one
  /// comes.
  Code read_choice(const Frage& frage) override;

 private:
  void prompt(Code deflt);
  void refuse(Code value);

  LineReader reader_;
  LineBuilder prompt_head_;     // the empty line, the rule and "[Default: "
  LineBuilder prompt_tail_;     // "]    Input=" and the line end
  bool input_end_met_ = false;  // an Enter wait ran into the end of input
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
/// status.
int run_dialogue(Terminal& terminal, ConsoleProgram& program);

}  // namespace ausweich

/// What run_dialogue does, under a plain C name: the one place where the end
/// of the program is caught. The web edition allows only this function to
/// catch exceptions, and names it in its build.
extern "C" int ausweich_run_dialogue(ausweich::Terminal* terminal,
                                     ausweich::ConsoleProgram* program);
