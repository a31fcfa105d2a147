#include "console/console_dialogue.h"

#include <algorithm>
#include <cstring>

#include "console/program_end.h"
#include "console/reply.h"

namespace ausweich {
namespace {

constexpr std::string_view kEndOfInputInReply = "fmt: end of file";
constexpr std::string_view kReadAfterEnd = "read start: end of file";

bool all_blank(const std::array<char, kReplyWidth>& field) {
  return std::all_of(field.begin(), field.end(), [](char c) { return c == ' '; });
}

}  // namespace

ConsoleDialogue::ConsoleDialogue(Terminal& terminal)
    : terminal_(terminal), reader_(terminal), line_end_(terminal.line_end()) {}

void ConsoleDialogue::put(std::string_view bytes) {
  if (bytes.size() > out_.size() - used_) flush();
  if (bytes.size() > out_.size()) {
    terminal_.write(bytes.data(), bytes.size());
    return;
  }
  std::memcpy(out_.data() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void ConsoleDialogue::put_number(std::int64_t n, std::size_t width) {
  char digits[24];
  std::size_t len = 0;
  const bool negative = n < 0;
  std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(n) : n;
  do {
    digits[sizeof digits - 1 - len++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) digits[sizeof digits - 1 - len++] = '-';
  for (std::size_t i = len; i < width; ++i) put(" ");
  put({digits + sizeof digits - len, len});
}

void ConsoleDialogue::end_line() {
  put(line_end_);
}

void ConsoleDialogue::flush() {
  if (used_ == 0) return;
  terminal_.write(out_.data(), used_);
  used_ = 0;
}

void ConsoleDialogue::line(std::string_view text) {
  put(" ");
  put(text);
  end_line();
}

void ConsoleDialogue::empty() {
  end_line();
}

void ConsoleDialogue::clear(int n) {
  // Screen clears make up most of the output: each goes into the buffer as a
  // block rather than one line end at a time.
  const std::size_t width = line_end_.size();
  std::size_t left = n > 0 ? static_cast<std::size_t>(n) : 0;
  while (left > 0) {
    if (out_.size() - used_ < width) flush();
    const std::size_t k = std::min(left, (out_.size() - used_) / width);
    char* to = out_.data() + used_;
    if (width == 1) {
      std::memset(to, line_end_[0], k);
    } else {
      for (std::size_t i = 0; i < k; ++i)
        std::memcpy(to + i * width, line_end_.data(), width);
    }
    used_ += k * width;
    left -= k;
  }
}

void ConsoleDialogue::wait_enter() {
  flush();
  if (input_end_met_) throw ProgramEnd{kStatusFailure, kReadAfterEnd};
  if (reader_.read_line(nullptr, 0).input_ended) input_end_met_ = true;
}

void ConsoleDialogue::prompt(Code deflt) {
  empty();
  line("=====================================================");
  put("        [Default: ");
  put_number(deflt, 3);
  put("]    Input=");
  end_line();
}

void ConsoleDialogue::refuse(Code value) {
  put(" falsche Eingabe : ");
  put_number(value, 0);
  end_line();
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

void ConsoleDialogue::ask(const Frage& frage, Code& code) {
  line(frage.frage);
  empty();
  for (const std::string_view zeile : frage.menue) {
    if (zeile.empty()) {
      empty();
    } else {
      line(zeile);
    }
  }
  readc(frage.kmax, code);
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
      line("#################### Ende des Programms ############");
      throw ProgramEnd{kStatusQuit, {}};
    }
    if (kkk <= kmax) break;
    refuse(kkk);
    kkk = kres;
  }
  clear(50);
}

int run_dialogue(Terminal& terminal, ConsoleProgram& program) {
  ConsoleDialogue d(terminal);
  ProgramEnd end{kStatusQuit, {}};  // a program that returns has ended well
  try {
    program.run(d);
  } catch (const ProgramEnd& e) {
    end = e;
  }
  program.at_end(d);
  d.flush();
  if (!end.diagnostic.empty()) terminal.diagnostic(end.diagnostic);
  return end.status;
}

}  // namespace ausweich
