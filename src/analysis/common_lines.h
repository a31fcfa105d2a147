#pragma once

#include <string_view>

namespace ausweich {

/// Lines that more than one branch of the analysis writes.

/// The frame line that opens and closes every verdict of the encounter rules
/// and the tables of the restricted-visibility guidance: 53 number signs.
inline constexpr std::string_view kRahmen =
    "#####################################################";

/// The questions for the position in the fairway, asked in the waterways
/// regime with four answers and under the KVR with three.
inline constexpr std::string_view kWieLiegtAImFw = "Wie liegt A relativ zum Fahrwasser?";
inline constexpr std::string_view kWieLiegtBImFw = "Wie liegt B relativ zum Fahrwasser?";
inline constexpr std::string_view kNichtImFwNichtFolgend =
    "  1=nicht im FW, 2=im FW, aber nicht folgend";

}  // namespace ausweich
