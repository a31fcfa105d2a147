#pragma once

#include <string>
#include <string_view>

namespace ausweich::testing {

// Lines of the advisor's screen by which the tests find their way in it, as
// the console writes them (a message line's leading blank included, without
// its line end). Stated once here.

/// The frame of the encounter analysis and of the guidance: 53 number signs.
inline constexpr std::string_view kFrameLine =
    " #####################################################";
/// The rule over every prompt: 53 equals signs.
inline constexpr std::string_view kPromptRule =
    " =====================================================";
/// The prompt line before its default, and after it.
inline constexpr std::string_view kPromptHead = "        [Default: ";
inline constexpr std::string_view kPromptTail = "]    Input=";
/// A refused answer, before its number.
inline constexpr std::string_view kRefusal = " falsche Eingabe : ";
/// The closing line of an answer of 0 or less.
inline constexpr std::string_view kQuitLine =
    " #################### Ende des Programms ############";
/// The end-of-analysis screen's heading, and the waits of the three screens.
inline constexpr std::string_view kEndeDerAnalyse =
    "             <=== ENDE der ANALYSE ===>";
inline constexpr std::string_view kTitleWait = "<[enter]...> ";
inline constexpr std::string_view kInfoWait = "    <...Hit RETURN to continue>";
inline constexpr std::string_view kEndOfAnalysisWait = "[enter]....";

/// A marker with its line end.
inline std::string line(std::string_view marker) {
  return std::string(marker) + "\n";
}

}  // namespace ausweich::testing
