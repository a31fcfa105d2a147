#include "console/console_screen.h"

#include <algorithm>
#include <cstring>

#include "core/digits.h"
#include "core/line_builder.h"

namespace ausweich {

ConsoleScreen::ConsoleScreen(Terminal& terminal)
    : terminal_(terminal), line_end_(terminal.line_end()) {}

void ConsoleScreen::put(std::string_view bytes) {
  if (bytes.size() > out_.size() - used_) flush();
  if (bytes.size() > out_.size()) {
    terminal_.write(bytes.data(), bytes.size());
    return;
  }
  std::memcpy(out_.data() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void ConsoleScreen::put_number(std::int64_t n, std::size_t width) {
  const Digits ziffern(n);  // the view below points into it
  const std::string_view digits = ziffern.text();
  constexpr std::string_view kBlanks = "                    ";
  if (digits.size() < width)
    put(kBlanks.substr(0, std::min(width - digits.size(), kBlanks.size())));
  put(digits);
}

void ConsoleScreen::end_line() {
  if (line_end_.size() == 1 && used_ < out_.size()) {
    out_[used_++] = line_end_[0];
    return;
  }
  put(line_end_);
}

void ConsoleScreen::flush() {
  if (used_ == 0) return;
  terminal_.write(out_.data(), used_);
  used_ = 0;
}

void ConsoleScreen::write_line(std::string_view text) {
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

void ConsoleScreen::block(const Textblock& b) {
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

void ConsoleScreen::clear(int n) {
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

void ConsoleScreen::show(const Frage& frage) {
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

}  // namespace ausweich
