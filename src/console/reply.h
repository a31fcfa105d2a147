#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ausweich {

/// Width of the reply field: only the first eight characters of a reply count.
inline constexpr std::size_t kReplyWidth = 8;

/// The outcome of reading the reply field as a free-form integer.
struct Conversion {
  enum class Kind {
    kValue,    // `value` holds the number read
    kNoValue,  // a comma, a slash or an empty repeat: the default stands
    kFailure,  // not readable as an integer; `diagnostic` says why
  };
  Kind kind;
  std::int32_t value;
  std::string_view diagnostic;
};

/// Reads the reply field as the answer reader's free-form integer: blanks and
/// tabs skipped, an optional sign, digits; a repeat count `r*` in front and a
/// decimal exponent sign after the digits are understood. A value outside the
/// 32-bit range becomes the most negative 32-bit value, so that it can never
/// turn into an admissible answer.
Conversion convert_reply(std::span<const char, kReplyWidth> field);

}  // namespace ausweich
