#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace ausweich {

/// Lines that are always written together, as a screen's fixed text is:
/// message lines, and an empty line where a text is empty. Beside them the
/// same lines assembled, as a console with line feeds writes them, so that
/// such a console copies the whole block at once.
struct Textblock {
  std::span<const std::string_view> zeilen;
  std::string_view zusammen;  // every line with its blank in front and "\n" after
};

namespace detail {

template <std::size_t N>
struct Bytes {
  std::array<char, N> b{};
  constexpr std::string_view text() const { return {b.data(), N}; }
};

template <const auto& zeilen>
constexpr std::size_t groesse() {
  std::size_t n = 0;
  for (const std::string_view z : zeilen) n += z.empty() ? 1 : z.size() + 2;
  return n;
}

template <const auto& zeilen>
constexpr Bytes<groesse<zeilen>()> zusammensetzen() {
  Bytes<groesse<zeilen>()> out;
  std::size_t i = 0;
  for (const std::string_view z : zeilen) {
    if (!z.empty()) {
      out.b[i++] = ' ';
      for (const char c : z) out.b[i++] = c;
    }
    out.b[i++] = '\n';
  }
  return out;
}

template <const auto& zeilen>
inline constexpr auto kZusammen = zusammensetzen<zeilen>();

}  // namespace detail

/// Each line of `b` in turn: `zeile(text)` for a message line, `leer()` for
/// an empty one.
template <typename Zeile, typename Leer>
void zeilenweise(const Textblock& b, Zeile zeile, Leer leer) {
  for (const std::string_view text : b.zeilen) {
    if (text.empty()) {
      leer();
    } else {
      zeile(text);
    }
  }
}

/// The block of `zeilen`, an array of constant lines, assembled at compile time.
template <const auto& zeilen>
constexpr Textblock textblock() {
  return {zeilen, detail::kZusammen<zeilen>.text()};
}

}  // namespace ausweich
