#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace ausweich {

/// Text written into a buffer that the caller owns, as the pictures are: it
/// never allocates. What does not fit is not cut off but marks the whole text
/// as spoilt, so that no half picture is ever handed on.
class Writer {
 public:
  explicit Writer(std::span<char> ziel) : ziel_(ziel) {}

  /// `n` bytes from `text`: the one place that copies.
  Writer& schreibe(const char* text, std::size_t n);
  Writer& operator<<(std::string_view text) { return schreibe(text.data(), text.size()); }
  /// A literal, without measuring it again.
  template <std::size_t N>
  Writer& operator<<(const char (&text)[N]) {
    return schreibe(text, N - 1);
  }
  Writer& operator<<(int zahl);
  Writer& operator<<(char c) { return schreibe(&c, 1); }
  /// `text` as element content or an attribute value: &, <, > and " escaped.
  Writer& maskiert(std::string_view text);

  /// Whether something did not fit.
  bool voll() const { return voll_; }
  /// The text written; empty when something did not fit.
  std::string_view text() const {
    return voll_ ? std::string_view{} : std::string_view(ziel_.data(), used_);
  }

 private:
  std::span<char> ziel_;
  std::size_t used_ = 0;
  bool voll_ = false;
};

}  // namespace ausweich
