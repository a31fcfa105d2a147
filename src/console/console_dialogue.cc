#include "console/console_dialogue.h"

#include <algorithm>
#include <cstring>

#include "console/program_end.h"
#include "console/reply.h"
#include "core/line_builder.h"

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
    : terminal_(terminal),
      reports_(terminal.reports()),
      reader_(terminal),
      line_end_(terminal.line_end()) {
  // The prompt's fixed parts, with this console's line ends, assembled once:
  // every question writes them.
  LineBuilder head;
  head << line_end_
       << " =====================================================" << line_end_
       << "        [Default: ";
  prompt_head_ = head;
  LineBuilder tail;
  tail << "]    Input=" << line_end_;
  prompt_tail_ = tail;
}

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
  while (len < width && len < sizeof digits) digits[sizeof digits - 1 - len++] = ' ';
  put({digits + sizeof digits - len, len});
}

void ConsoleDialogue::end_line() {
  if (line_end_.size() == 1 && used_ < out_.size()) {
    out_[used_++] = line_end_[0];
    return;
  }
  put(line_end_);
}

void ConsoleDialogue::flush() {
  if (used_ == 0) return;
  terminal_.write(out_.data(), used_);
  used_ = 0;
}

void ConsoleDialogue::line(std::string_view text) {
  if (reports_ != nullptr) reports_->line(text);
  write_line(text);
}

void ConsoleDialogue::write_line(std::string_view text) {
  // Most of the screen is message lines: each goes into the buffer in one
  // piece where it fits.
  const std::size_t n = 1 + text.size() + line_end_.size();
  if (n > out_.size() - used_) flush();
  if (n > out_.size()) {
    put(" ");
    put(text);
    end_line();
    return;
  }
  char* to = out_.data() + used_;
  to[0] = ' ';
  std::memcpy(to + 1, text.data(), text.size());
  if (line_end_.size() == 1) {
    to[n - 1] = line_end_[0];
  } else {
    std::memcpy(to + 1 + text.size(), line_end_.data(), line_end_.size());
  }
  used_ += n;
}

void ConsoleDialogue::block(const Textblock& b) {
  if (reports_ != nullptr) reports_->block(b);
  if (line_end_ == "\n") {
    put(b.zusammen);
    return;
  }
  for (const std::string_view zeile : b.zeilen) {
    if (zeile.empty()) {
      end_line();
    } else {
      write_line(zeile);
    }
  }
}

void ConsoleDialogue::say(Zeilenart art, std::string_view text) {
  if (reports_ != nullptr) reports_->say(art, text);
  write_line(text);
}

void ConsoleDialogue::empty() {
  if (reports_ != nullptr) reports_->empty();
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

void ConsoleDialogue::wait_enter(const Pause& pause) {
  if (reports_ != nullptr) reports_->wait_enter(pause);
  wait_enter();
}

void ConsoleDialogue::wait_enter() {
  flush();
  if (input_end_met_) throw ProgramEnd{kStatusFailure, kReadAfterEnd};
  if (reader_.read_line(nullptr, 0).input_ended) input_end_met_ = true;
}

void ConsoleDialogue::prompt(Code deflt) {
  put(prompt_head_.text());
  put_number(deflt, 3);
  put(prompt_tail_.text());
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

void ConsoleDialogue::read_choice(std::array<char, kReplyWidth>& field) {
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

void ConsoleDialogue::show(const Frage& frage) {
  write_line(frage.frage);
  end_line();
  for (const std::string_view zeile : frage.menue) {
    if (zeile.empty()) {
      end_line();
    } else {
      write_line(zeile);
    }
  }
  if (!frage.menue.empty()) return;
  for (const Antwort& a : frage.antworten) {
    write_line(
        (LineBuilder() << "   " << static_cast<std::uint64_t>(a.code) << " = " << a.knopf)
            .text());
  }
}

void ConsoleDialogue::ask(const Frage& frage, Code& code) {
  if (reports_ != nullptr) reports_->ask(frage, code);
  show(frage);
  readc(frage.kmax(), code);
  if (reports_ != nullptr) reports_->answered(frage, code);
}

Code ConsoleDialogue::choose(const Frage& frage) {
  if (reports_ != nullptr) reports_->choose(frage);
  show(frage);
  const auto kmax = static_cast<std::uint64_t>(frage.kmax());
  for (;;) {
    end_line();
    write_line(
        (LineBuilder() << "Ihre Antwort (1 bis " << kmax << ", 0 = Ende):").text());
    std::array<char, kReplyWidth> field;
    read_choice(field);
    const Code answer = choice(field, frage.kmax());
    if (answer >= 0) {
      if (reports_ != nullptr) reports_->chosen(frage, answer);
      return answer;
    }
    write_line(
        (LineBuilder() << "Bitte eine Zahl von 1 bis " << kmax << " eingeben (0 = Ende).")
            .text());
  }
}

void ConsoleDialogue::duty(const Pflicht& p) {
  if (reports_ != nullptr) reports_->duty(p);
}

void ConsoleDialogue::verdict(const Pflicht& p) {
  if (reports_ != nullptr) reports_->verdict(p);
}

void ConsoleDialogue::assume(std::string_view satz) {
  if (reports_ != nullptr) reports_->assume(satz);
}

void ConsoleDialogue::vorlage(std::span<const Angabe> angaben, Peilung peilung) {
  if (reports_ != nullptr) reports_->vorlage(angaben, peilung);
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
      write_line("#################### Ende des Programms ############");
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
