#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ausweich {

/// An answer code: a number chosen from a numbered menu, counted from 1.
using Code = std::int32_t;

/// A question of the advisor as it stands on the screen: the question line, an
/// empty line, then the menu lines, of which an empty text is an empty line.
/// Its answers run from 1 to `kmax`.
struct Frage {
  std::string_view frage;
  std::span<const std::string_view> menue;
  Code kmax;
};

}  // namespace ausweich
