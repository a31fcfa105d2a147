#include "core/line_builder.h"

#include <charconv>

namespace ausweich {

LineBuilder& LineBuilder::operator<<(std::string_view text) {
  std::size_t n = text.size();
  if (n > buf_.size() - used_ || cut_) {
    n = cut_ ? 0 : buf_.size() - used_;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    cut_ = true;
  }
  for (std::size_t i = 0; i < n; ++i) buf_[used_++] = text[i];
  return *this;
}

LineBuilder& LineBuilder::operator<<(std::uint64_t n) {
  std::array<char, 24> digits{};
  const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
  return *this << std::string_view(digits.data(),
                                   static_cast<std::size_t>(end - digits.data()));
}

}  // namespace ausweich
