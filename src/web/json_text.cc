#include "web/json_text.h"

#include "core/digits.h"

namespace ausweich {

JsonText& JsonText::raw(std::string_view bytes) {
  for (const char c : bytes) put(c);
  return *this;
}

JsonText& JsonText::string(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  put('"');
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      put('\\');
      put(c);
    } else if (c == '\n') {
      raw("\\n");
    } else if (c == '\t') {
      raw("\\t");
    } else if (u < 0x20) {
      raw("\\u00");
      put(kHex[u >> 4]);
      put(kHex[u & 0xf]);
    } else {
      put(c);  // UTF-8 stands as it is
    }
  }
  put('"');
  return *this;
}

JsonText& JsonText::number(std::int64_t n) {
  return raw(Digits(n).text());
}

bool JsonText::commit(std::size_t from) {
  if (!over_) return true;
  used_ = from;
  over_ = false;
  cut_ = true;
  return false;
}

void JsonText::close(char bracket) {
  if (used_ <= size_) data_[used_++] = bracket;
}

}  // namespace ausweich
