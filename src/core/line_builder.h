#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ausweich {

/// A line put together from texts and numbers, for the few lines that carry a
/// count or a word of the user's, in a buffer of its own: what does not fit
/// is cut off.
class LineBuilder {
 public:
  LineBuilder& operator<<(std::string_view text) {
    for (const char c : text) {
      if (used_ < buf_.size()) buf_[used_++] = c;
    }
    return *this;
  }
  LineBuilder& operator<<(std::uint64_t n) {
    std::array<char, 24> digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    return *this << std::string_view(digits.data(),
                                     static_cast<std::size_t>(end - digits.data()));
  }
  std::string_view text() const { return {buf_.data(), used_}; }

 private:
  std::array<char, 320> buf_{};
  std::size_t used_ = 0;
};

}  // namespace ausweich
