#include "console/line_reader.h"

#include <cstring>

namespace ausweich {

bool LineReader::refill() {
  if (ended_) return false;
  pos_ = 0;
  len_ = terminal_.read(buffer_.data(), buffer_.size());
  ended_ = len_ == 0;
  return !ended_;
}

int LineReader::peek() {
  if (pos_ == len_ && !refill()) return -1;
  return static_cast<unsigned char>(buffer_[pos_]);
}

int LineReader::get() {
  const int c = peek();
  if (c >= 0) ++pos_;
  return c;
}

void LineReader::discard_rest_of_line(Line& line) {
  for (;;) {
    if (pos_ == len_ && !refill()) {
      line.input_ended = true;
      return;
    }
    const void* lf = std::memchr(buffer_.data() + pos_, '\n', len_ - pos_);
    if (lf != nullptr) {
      pos_ = static_cast<const char*>(lf) - buffer_.data() + 1;
      return;
    }
    pos_ = len_;
  }
}

LineReader::Line LineReader::read_line(char* field, std::size_t width) {
  Line line{0, false};
  while (line.filled < width) {
    const int c = get();
    if (c < 0) {
      line.input_ended = true;
      return line;
    }
    if (c == '\n') return line;
    if (c == '\r' && peek() == '\n') {
      ++pos_;
      return line;
    }
    field[line.filled++] = static_cast<char>(c);
  }
  discard_rest_of_line(line);
  return line;
}

}  // namespace ausweich
