#pragma once

#include <array>
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
  /// Lines are put together in the faces and the training, never on the
  /// advisor's hot path: the two appends are out of line, which keeps every
  /// caller small.
  LineBuilder& operator<<(std::string_view text);
  LineBuilder& operator<<(std::uint64_t n);
  std::string_view text() const { return {buf_.data(), used_}; }

 private:
  std::array<char, 512> buf_{};
  std::size_t used_ = 0;
  bool cut_ = false;
};

}  // namespace ausweich
