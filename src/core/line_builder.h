#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ausweich {

/// A line put together from texts and numbers, in a buffer of its own: what
/// does not fit is cut off, never in the middle of a UTF-8 character, and
/// nothing is added after the cut. The longest line any face writes with it
/// is far shorter.
class LineBuilder {
 public:
  LineBuilder& operator<<(std::string_view text) {
    std::size_t n = text.size();
    if (n > buf_.size() - used_ || cut_) {
      n = cut_ ? 0 : buf_.size() - used_;
      while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
      cut_ = true;
    }
    for (std::size_t i = 0; i < n; ++i) buf_[used_++] = text[i];
    return *this;
  }
  LineBuilder& operator<<(std::uint64_t n) {
    std::array<char, 24> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    return *this << std::string_view(digits.data(),
                                     static_cast<std::size_t>(end - digits.data()));
  }
  std::string_view text() const { return {buf_.data(), used_}; }

 private:
  std::array<char, 320> buf_{};
  std::size_t used_ = 0;
  bool cut_ = false;
};

}  // namespace ausweich
