#include "picture/writer.h"

#include <array>
#include <charconv>
#include <cstring>

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
  std::array<char, 12> ziffern;
  const char* ende = std::to_chars(ziffern.begin(), ziffern.end(), zahl).ptr;
  return schreibe(ziffern.data(), static_cast<std::size_t>(ende - ziffern.data()));
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
