#pragma once

#include <string_view>

namespace ausweich {

/// Thrown to end the program: unwinds the dialogue and the analyses to the
/// entry, which flushes the screen, writes `diagnostic` (when not empty) to the
/// error channel and exits with `status`.
struct ProgramEnd {
  int status;
  std::string_view diagnostic;  // always a text constant
};

/// Exit statuses of the advisor.
inline constexpr int kStatusQuit = 0;       // the user answered 0 or less
inline constexpr int kStatusInterrupt = 1;  // interrupt or termination request
inline constexpr int kStatusFailure = 2;    // unreadable reply or end of input

}  // namespace ausweich
