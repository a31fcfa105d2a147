#include "core/line_builder.h"

#include "core/digits.h"

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
  return *this << Digits(n).text();
}

}  // namespace ausweich
