#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ausweich {

/// A whole number in decimal digits, with a minus sign where it is negative,
/// in a buffer of its own: the one place where the program writes a number
/// as text (the console's prompts, the training's lines, the pictures, the
/// page's cards).
class Digits {
 public:
  explicit Digits(std::uint64_t n) { write(n, false); }
  explicit Digits(std::int64_t n) {
    write(n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n),
          n < 0);
  }
  explicit Digits(int n) : Digits(static_cast<std::int64_t>(n)) {}

  std::string_view text() const { return {buf_.data() + begin_, buf_.size() - begin_}; }

 private:
  void write(std::uint64_t u, bool negative) {
    begin_ = buf_.size();
    do {
      buf_[--begin_] = static_cast<char>('0' + u % 10);
      u /= 10;
    } while (u != 0);
    if (negative) buf_[--begin_] = '-';
  }

  std::array<char, 21> buf_{};  // 20 digits of 2^64 - 1, or a sign and 19
  std::size_t begin_ = 0;
};

}  // namespace ausweich
