#include "picture/writer.h"

#include <array>
#include <cstring>

#include "core/digits.h"

namespace ausweich {

Writer& Writer::schreibe(const char* text, std::size_t n) {
  if (voll_ || n > ziel_.size() - used_) {
    voll_ = true;
    return *this;
  }
  if (n == 0) return *this;  // an empty view may point nowhere
  std::memcpy(ziel_.data() + used_, text, n);
  used_ += n;
  return *this;
}

Writer& Writer::operator<<(int zahl) {
  return *this << Digits(zahl).text();
}

Writer& Writer::maskiert(std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        *this << "&amp;";
        break;
      case '<':
        *this << "&lt;";
        break;
      case '>':
        *this << "&gt;";
        break;
      case '"':
        *this << "&quot;";
        break;
      default:
        *this << c;
    }
  }
  return *this;
}

}  // namespace ausweich
