#include "console/console_dialogue.h"

#include <algorithm>
#include <cstring>

#include "console/program_end.h"
#include "console/reply.h"
#include "core/line_builder.h"

// Key to the short names of the answer reader, which the advisor's own
// description gives: readc reads a code ("read code"), kmax is the question's
// highest answer, kkk the code (the default on entry, the answer on return),
// kres the default saved, aaa the reply field of eight characters.

namespace ausweich {
namespace {

constexpr std::string_view kEndOfInputInReply = "fmt: end of file";
constexpr std::string_view kReadAfterEnd = "read start: end of file";

bool all_blank(const std::array<char, kReplyWidth>& field) {
  return std::all_of(field.begin(), field.end(), [](char c) { return c == ' '; });
}

bool blank(char c) {
  return c == ' ' || c == '\t';
}

/// A learner's choice: a number from 0 to `kmax` with blanks around it
/// allowed; -1 for anything else.
Code choice(const std::array<char, kReplyWidth>& field, Code kmax) {
  std::size_t i = 0;
  while (i < field.size() && blank(field[i])) ++i;
  Code value = 0;
  std::size_t digits = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits) {
    value = value * 10 + (field[i] - '0');
    if (value > kmax) return -1;
  }
  while (i < field.size() && blank(field[i])) ++i;
  return digits > 0 && i == field.size() ? value : -1;
}

}  // namespace

ConsoleDialogue::ConsoleDialogue(Terminal& terminal)
    : ConsoleFaces(terminal, terminal.listener()), Dialogue(alle()), reader_(terminal) {
  // The prompt's fixed parts, with this console's line ends, assembled once:
  // every question writes them.
  const std::string_view line_end = terminal.line_end();
  LineBuilder head;
  head << line_end << " =====================================================" << line_end
       << "        [Default: ";
  prompt_head_ = head;
  LineBuilder tail;
  tail << "]    Input=" << line_end;
  prompt_tail_ = tail;
}

void ConsoleDialogue::wait_enter() {
  flush();
  if (input_end_met_) throw ProgramEnd{kStatusFailure, kReadAfterEnd};
  if (reader_.read_line(nullptr, 0).input_ended) input_end_met_ = true;
}

void ConsoleDialogue::prompt(Code deflt) {
  screen.put(prompt_head_.text());
  screen.put_number(deflt, 3);
  screen.put(prompt_tail_.text());
}

void ConsoleDialogue::refuse(Code value) {
  screen.put(" falsche Eingabe : ");
  screen.put_number(value, 0);
  screen.end_line();
}

void ConsoleDialogue::read_reply(std::array<char, kReplyWidth>& aaa) {
  flush();
  if (input_end_met_) throw ProgramEnd{kStatusFailure, kReadAfterEnd};
  aaa.fill(' ');
  const LineReader::Line reply = reader_.read_line(aaa.data(), aaa.size());
  // A last line without a line end counts only when it fills the field.
  if (reply.input_ended && reply.filled < aaa.size()) {
    throw ProgramEnd{kStatusFailure, kEndOfInputInReply};
  }
}

void ConsoleDialogue::read_choice_field(std::array<char, kReplyWidth>& field) {
  flush();
  if (input_end_met_) throw ProgramEnd{kStatusFailure, kReadAfterEnd};
  field.fill(' ');
  const LineReader::Line reply = reader_.read_line(field.data(), field.size());
  if (!reply.input_ended) return;
  // The learner's last line counts with or without its line end; the end of
  // input itself is no answer, and the next read ends the program.
  if (reply.filled == 0) throw ProgramEnd{kStatusFailure, kEndOfInputInReply};
  input_end_met_ = true;
}

Code ConsoleDialogue::read_choice(const Frage& frage) {
  const auto kmax = static_cast<std::uint64_t>(frage.kmax());
  for (;;) {
    screen.end_line();
    screen.write_line(
        (LineBuilder() << "Ihre Antwort (1 bis " << kmax << ", 0 = Ende):").text());
    std::array<char, kReplyWidth> field;
    read_choice_field(field);
    const Code answer = choice(field, frage.kmax());
    if (answer >= 0) return answer;
    screen.write_line(
        (LineBuilder() << "Bitte eine Zahl von 1 bis " << kmax << " eingeben (0 = Ende).")
            .text());
  }
}

void ConsoleDialogue::readc(Code kmax, Code& kkk) {
  const Code kres = kkk;
  for (;;) {
    prompt(kkk);
    std::array<char, kReplyWidth> aaa;
    read_reply(aaa);
    if (all_blank(aaa)) break;
    const Conversion c = convert_reply(aaa);
    if (c.kind == Conversion::Kind::kFailure)
      throw ProgramEnd{kStatusFailure, c.diagnostic};
    if (c.kind == Conversion::Kind::kValue) kkk = c.value;
    if (kkk <= 0) {
      screen.write_line("#################### Ende des Programms ############");
      throw ProgramEnd{kStatusQuit, {}};
    }
    if (kkk <= kmax) break;
    refuse(kkk);
    kkk = kres;
  }
  screen.clear(50);
}

int run_dialogue(Terminal& terminal, ConsoleProgram& program) {
  return ausweich_run_dialogue(&terminal, &program);
}

}  // namespace ausweich

extern "C" int ausweich_run_dialogue(ausweich::Terminal* terminal,
                                     ausweich::ConsoleProgram* program) {
  using namespace ausweich;
  ConsoleDialogue d(*terminal);
  ProgramEnd end{kStatusQuit, {}};  // a program that returns has ended well
  try {
    program->run(d);
  } catch (const ProgramEnd& e) {
    end = e;
  }
  program->at_end(d);
  d.flush();
  if (!end.diagnostic.empty()) terminal->diagnostic(end.diagnostic);
  return end.status;
}
